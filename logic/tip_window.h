#pragma once

#include <cstdint>

namespace vistrel::logic {

// Screen rectangle of the work area (the display minus the taskbar):
// left/top inclusive, right/bottom exclusive.
struct WorkArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The operations the pop-up sequence needs from the window it animates.
// Positions and sizes are screen pixels; the window has no border, so its
// outer size is its client size.
class TipWindow {
public:
    virtual ~TipWindow() = default;

    [[nodiscard]] virtual std::int32_t Top() const = 0;
    virtual void SetTop(std::int32_t top) = 0;
    [[nodiscard]] virtual std::int32_t Height() const = 0;
    virtual void SetHeight(std::int32_t height) = 0;
    virtual void SetLeft(std::int32_t left) = 0;
    [[nodiscard]] virtual std::int32_t Width() const = 0;

    // Read afresh at every call: the taskbar may move at any time.
    [[nodiscard]] virtual WorkArea CurrentWorkArea() const = 0;

    virtual void SetAlphaBlend(bool on) = 0;
    [[nodiscard]] virtual std::uint8_t AlphaBlendValue() const = 0;
    virtual void SetAlphaBlendValue(std::uint8_t value) = 0;

    virtual void BringToFront() = 0;
    virtual void Show() = 0;
    // For the pop-up, closing means hiding.
    virtual void Close() = 0;
    // A line with the current pen from (Width-1, Height-1) to (0, Height-1),
    // end point excluded, straight onto the window.
    virtual void DrawBottomEdge() = 0;
};

}  // namespace vistrel::logic
