#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace vistrel::e2e {

// Red, green and blue of one pixel.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

[[nodiscard]] constexpr Rgb ToRgb(COLORREF c) {
    return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

// A copy of part of the screen as drawn, every process's windows included,
// taken through GDI from inside the desktop.
class ScreenImage {
public:
    // Throws if the screen cannot be read.
    static ScreenImage Capture(const RECT& screenArea);
    static ScreenImage CaptureWholeScreen();
    // A picture once two taken a moment apart agree: drawing has finished
    // (or the limit has passed).
    static ScreenImage CaptureSettled(const RECT& screenArea);

    [[nodiscard]] const RECT& Area() const noexcept { return area_; }
    // The pixel at a screen position inside the area.
    [[nodiscard]] Rgb At(POINT screen) const;
    // How many pixels inside a screen rectangle (clipped to the area) match.
    [[nodiscard]] int Count(const RECT& screen, const std::function<bool(Rgb)>& matches) const;
    // How many pixels differ from another picture of the same size, taken
    // anywhere, position by position; every pixel if the sizes differ.
    [[nodiscard]] int Differences(const ScreenImage& other) const;
    // Writes a 24-bit .bmp (folders are made as needed); throws on failure.
    void SaveBmp(const std::filesystem::path& file) const;

private:
    ScreenImage(RECT area, std::vector<std::uint32_t> pixels) : area_(area), pixels_(std::move(pixels)) {}

    RECT area_;
    std::vector<std::uint32_t> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace vistrel::e2e

std::ostream& operator<<(std::ostream& out, const vistrel::e2e::Rgb& c);
