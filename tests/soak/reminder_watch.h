#pragma once

#include <windows.h>

#include <string>

#include "pace.h"

namespace vistrel::soak {

// Where one reminder's pop-up should be: 274 wide, rising out of the work
// area's bottom edge to 180 tall, its right edge one pixel in from the
// work area's right; hidden at the end, still there and fully faded.
struct TipPlace {
    static constexpr int kWidth = 274;
    static constexpr int kRiseHeight = 180;
    static constexpr int kRightMargin = 1;

    RECT workArea{};

    [[nodiscard]] RECT Risen() const {
        const LONG right = workArea.right - kRightMargin;
        return RECT{right - kWidth, workArea.bottom - kRiseHeight, right, workArea.bottom};
    }
};

// What was seen of one reminder.
struct ReminderTrace {
    bool shown = false;
    bool hidden = false;
    int samples = 0;
    int tallest = 0;
    RECT last{};
    double realMs = 0;  // from showing to hiding, as far as the driver's clock tells
    std::string fault;  // empty if the reminder came and went as it should

    [[nodiscard]] bool Good() const { return shown && hidden && fault.empty(); }
};

// Waits up to showLimitMs for the pop-up to show, then follows it until it
// hides (at most lifeLimitMs), checking every position it takes.
[[nodiscard]] ReminderTrace FollowReminder(HWND tip, const TipPlace& place, const Pace& pace, double showLimitMs,
                                           double lifeLimitMs);

}  // namespace vistrel::soak
