#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "polling.h"

namespace vistrel::e2e {

// What the pop-up looked like to the rest of the desktop at one moment.
struct TipSample {
    milliseconds at{};  // since recording began
    RECT rect{};
    bool visible = false;
    bool layered = false;
    std::optional<BYTE> alpha;
    HWND foreground = nullptr;
};

// Watches the pop-up from its own thread about every millisecond, so that
// the test can click and wait meanwhile and judge the whole course after.
class TipRecorder {
public:
    explicit TipRecorder(HWND tip);
    TipRecorder(const TipRecorder&) = delete;
    TipRecorder& operator=(const TipRecorder&) = delete;
    ~TipRecorder() = default;

    [[nodiscard]] std::vector<TipSample> Samples() const;
    // The first sample from now on that meets the condition, if one comes
    // within the limit.
    [[nodiscard]] std::optional<TipSample> WaitFor(const std::function<bool(const TipSample&)>& condition,
                                                   milliseconds limit) const;
    void Stop();

private:
    void Record(const std::stop_token& stop);

    HWND tip_;
    Clock::time_point start_;
    mutable std::mutex mutex_;
    std::vector<TipSample> samples_;
    std::jthread thread_;
};

}  // namespace vistrel::e2e
