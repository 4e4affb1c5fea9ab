#include "reminder_watch.h"

#include "desktop.h"

namespace vistrel::soak {
namespace {

// Often enough to see every phase (the full height lasts 100 ms and more),
// seldom enough to leave the processor to the program.
constexpr double kPollMs = 5;

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The one fault in this position, if any. Before its first step up the
// pop-up is 0 tall on the bottom edge, wherever it was left.
std::string CheckRising(const RECT& r, int previousHeight, const TipPlace& place) {
    const int height = r.bottom - r.top;
    const RECT risen = place.Risen();
    if (r.bottom != place.workArea.bottom) return "bottom edge off the work area's bottom at " + Describe(r);
    if (height > 0 && (r.right != risen.right || r.left != risen.left)) {
        return "not at the work area's right less one at " + Describe(r);
    }
    if (height > TipPlace::kRiseHeight) return "rose past 180 to " + Describe(r);
    if (height < previousHeight) {
        return "fell from " + std::to_string(previousHeight) + " to " + std::to_string(height) +
               " tall while shown (a reminder began before the last had ended?)";
    }
    return {};
}

}  // namespace

ReminderTrace FollowReminder(HWND tip, const TipPlace& place, const Pace& pace, double showLimitMs,
                             double lifeLimitMs) {
    ReminderTrace trace;
    trace.shown = pace.WaitUntil([&] { return Visible(tip); }, showLimitMs, kPollMs);
    if (!trace.shown) {
        trace.fault = "the pop-up did not show";
        return trace;
    }
    const auto shownAt = Pace::Clock::now();
    const auto deadline = pace.DeadlineAfter(lifeLimitMs);
    int height = 0;
    while (Pace::Clock::now() < deadline) {
        const RECT r = WindowRect(tip);
        if (!Visible(tip)) {
            trace.hidden = true;
            trace.last = r;
            break;
        }
        ++trace.samples;
        if (trace.fault.empty()) trace.fault = CheckRising(r, height, place);
        height = r.bottom - r.top;
        if (height > trace.tallest) trace.tallest = height;
        pace.Sleep(kPollMs);
    }
    trace.realMs = pace.RealMsSince(shownAt);
    if (!trace.hidden) {
        if (trace.fault.empty()) trace.fault = "the pop-up did not hide";
        return trace;
    }
    if (!trace.fault.empty()) return trace;
    if (trace.tallest != TipPlace::kRiseHeight) {
        trace.fault = "rose to " + std::to_string(trace.tallest) + " tall, not 180";
    } else if (!Same(trace.last, place.Risen())) {
        trace.fault = "hid at " + Describe(trace.last) + ", not at " + Describe(place.Risen());
    } else {
        BYTE alpha = 255;
        DWORD flags = 0;
        if (!::GetLayeredWindowAttributes(tip, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0 || alpha != 0) {
            trace.fault = "hid before it had faded out (opacity " + std::to_string(alpha) + ")";
        }
    }
    return trace;
}

}  // namespace vistrel::soak
