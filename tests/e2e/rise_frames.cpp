#include "rise_frames.h"

#include <algorithm>

#include "frame_check.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr milliseconds kSettle{5};

}  // namespace

int RiseFrames::HeightsDrawnRight() const {
    return static_cast<int>(
        std::count_if(drawnRight.begin(), drawnRight.end(), [](const auto& entry) { return entry.second; }));
}

int RiseFrames::LongestWrongRun() const {
    int longest = 0;
    int run = 0;
    int previous = -1;
    for (const auto& [height, right] : drawnRight) {
        if (height != previous + 1) run = 0;
        run = right ? 0 : run + 1;
        longest = std::max(longest, run);
        previous = height;
    }
    return longest;
}

RiseFrames WatchFrameWhileRising(HWND tip, int fromHeight, milliseconds limit,
                                 const std::function<void(int, const ScreenImage&)>& onFirstRight) {
    RiseFrames frames;
    const auto start = Clock::now();
    RECT current{};
    auto currentSince = start;
    while (Since(start) < limit) {
        const RECT before = WindowRect(tip);
        const int height = Height(before);
        // Risen: the window turns layered for the hold.
        if (HasExStyle(tip, WS_EX_LAYERED)) break;
        if (before != current) {
            current = before;
            currentSince = Clock::now();
        }
        // Gives the program time to show what it has just moved.
        if (!Visible(tip) || height < fromHeight || Since(currentSince) < kSettle) continue;
        const ScreenImage image = ScreenImage::Capture(before);
        if (WindowRect(tip) != before) continue;
        const auto faults = FrameFaults(image, before);
        auto [entry, isNew] = frames.drawnRight.try_emplace(height, false);
        if (faults.empty()) {
            if (!entry->second) onFirstRight(height, image);
            entry->second = true;
            frames.firstFault.erase(height);
        } else if (!entry->second) {
            frames.firstFault.try_emplace(height, faults.front());
        }
    }
    return frames;
}

}  // namespace vistrel::e2e
