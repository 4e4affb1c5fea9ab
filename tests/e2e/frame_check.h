#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "screen_capture.h"

namespace vistrel::e2e {

// Where the pop-up's yellow frame is wrong in a picture of it: each fault
// names the pixel, the colour expected and the colour seen. Empty when the
// strips are 8 px wide on every side with the green just inside them.
//
// Pixels are probed on lines clear of the picture (which starts at x 23)
// and of the close button (x 249..265, y 8..24), so that the same probes
// hold at every height from 16 px up.
[[nodiscard]] std::vector<std::string> FrameFaults(const ScreenImage& image, const RECT& tip);

}  // namespace vistrel::e2e
