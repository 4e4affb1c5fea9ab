#pragma once

namespace vistrel::win {

// Layouts are written in 96-DPI pixels; this is the one place where they
// become device pixels.
[[nodiscard]] int ToDevice(int pixelsAt96Dpi);

}  // namespace vistrel::win
