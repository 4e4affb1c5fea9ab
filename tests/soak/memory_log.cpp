#include "memory_log.h"

#include <algorithm>
#include <string>

namespace vistrel::soak {

void MemoryLog::Add(const Sample& s, Report& report) {
    std::string line = std::to_string(s.reminders) + " real_s=" + std::to_string(static_cast<int>(s.realSeconds)) +
                       " rss_kb=" + std::to_string(s.tovrix.rssKb) + " anon_kb=" + std::to_string(s.tovrix.rssAnonKb);
    if (s.floor) {
        line += " floor_rss_kb=" + std::to_string(s.floor->rssKb) + " floor_anon_kb=" +
                std::to_string(s.floor->rssAnonKb);
    }
    if (s.server) line += " wineserver_rss_kb=" + std::to_string(s.server->rssKb);
    report.Add("sample", line);
    samples_.push_back(s);
}

std::optional<MemoryLog::Growth> MemoryLog::GrowthAfterFirstBatch() const {
    if (samples_.size() < 3) return std::nullopt;
    const Sample& first = samples_[1];
    const Sample& last = samples_.back();
    const auto [low, high] = std::minmax_element(samples_.begin() + 1, samples_.end(), [](const Sample& a, const Sample& b) {
        return a.tovrix.rssKb < b.tovrix.rssKb;
    });
    return Growth{first.reminders, last.reminders, last.tovrix.rssKb - first.tovrix.rssKb,
                  last.tovrix.rssAnonKb - first.tovrix.rssAnonKb, high->tovrix.rssKb - low->tovrix.rssKb};
}

}  // namespace vistrel::soak
