#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "linux_process.h"
#include "report.h"

namespace vistrel::soak {

// Resident memory of the program (and, for comparison, of the floor and
// of wineserver) sampled as reminders go by.
class MemoryLog {
public:
    struct Sample {
        int reminders = 0;
        double realSeconds = 0;
        ResidentMemory tovrix;
        std::optional<ResidentMemory> floor;
        std::optional<ResidentMemory> server;
    };

    // From the first sample after the first batch of reminders, by when
    // every lasting allocation has been made once, to the last.
    struct Growth {
        int fromReminders = 0;
        int toReminders = 0;
        std::int64_t rssKb = 0;
        std::int64_t rssAnonKb = 0;
        std::int64_t spreadKb = 0;  // largest VmRSS less smallest over that stretch
    };

    void Add(const Sample& sample, Report& report);
    // Nothing until there are samples after the first batch.
    [[nodiscard]] std::optional<Growth> GrowthAfterFirstBatch() const;

private:
    std::vector<Sample> samples_;
};

}  // namespace vistrel::soak
