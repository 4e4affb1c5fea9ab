#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "polling.h"
#include "screen_capture.h"

namespace vistrel::e2e {

// The pop-up's frame at each height it passed through while rising.
struct RiseFrames {
    // By height: true once a picture taken while the window stood still
    // showed the frame right.
    std::map<int, bool> drawnRight;
    // By height, for heights never seen right: what was wrong first.
    std::map<int, std::string> firstFault;

    [[nodiscard]] int HeightsSeen() const { return static_cast<int>(drawnRight.size()); }
    [[nodiscard]] int HeightsDrawnRight() const;
    // The most heights in a row never seen drawn right.
    [[nodiscard]] int LongestWrongRun() const;
};

// Takes pictures of the pop-up from when it is `fromHeight` tall until it
// stops rising (or the limit passes).
//
// Under Wine the screen shows a move a moment after the window's rectangle
// says so: a picture taken just then shows the frame a pixel off. So the
// pictures wait a few milliseconds after each step, and a height counts as
// drawn right once any picture taken at it shows it right.
[[nodiscard]] RiseFrames WatchFrameWhileRising(HWND tip, int fromHeight, milliseconds limit,
                                               const std::function<void(int, const ScreenImage&)>& onFirstRight);

}  // namespace vistrel::e2e
