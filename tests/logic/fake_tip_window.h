#pragma once

#include <cstdint>
#include <vector>

#include "tip_window.h"

namespace vistrel::test {

// Stands for the pop-up window: remembers what the sequence set and what
// it drew.
class FakeTipWindow final : public logic::TipWindow {
public:
    logic::WorkArea workArea{0, 0, 1280, 780};
    std::int32_t top = 0;
    std::int32_t height = 177;
    std::int32_t left = 0;
    std::int32_t width = 274;
    bool alphaBlend = false;
    std::uint8_t alpha = 255;
    bool visible = false;
    int bringToFrontCount = 0;
    std::vector<std::int32_t> bottomEdgeDrawnAtHeight;

    [[nodiscard]] std::int32_t Top() const override { return top; }
    void SetTop(std::int32_t value) override { top = value; }
    [[nodiscard]] std::int32_t Height() const override { return height; }
    void SetHeight(std::int32_t value) override { height = value; }
    void SetLeft(std::int32_t value) override { left = value; }
    [[nodiscard]] std::int32_t Width() const override { return width; }
    [[nodiscard]] logic::WorkArea CurrentWorkArea() const override { return workArea; }
    void SetAlphaBlend(bool on) override { alphaBlend = on; }
    [[nodiscard]] std::uint8_t AlphaBlendValue() const override { return alpha; }
    void SetAlphaBlendValue(std::uint8_t value) override { alpha = value; }
    void BringToFront() override { ++bringToFrontCount; }
    void Show() override { visible = true; }
    void Close() override { visible = false; }
    void DrawBottomEdge() override { bottomEdgeDrawnAtHeight.push_back(height); }
};

}  // namespace vistrel::test
