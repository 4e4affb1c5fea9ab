#pragma once

#include <cstdint>
#include <optional>

#include "form.h"
#include "popup_sequence.h"
#include "timer.h"
#include "tip_window.h"
#include "unique_handle.h"

namespace vistrel {

// The reminder pop-up: rises out of the bottom-right corner, holds, fades.
// It never takes the activation, the keyboard focus or the input method.
class Tfrm_tip final : public win::Form, private logic::TipWindow {
public:
    explicit Tfrm_tip(win::Application& application);

    void ShowTip();

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void FormPaint(HDC dc, int width, int height) const;
    void PaintControls(HDC dc, int width, int height) const;
    void FormResize();
    void FormMouseDown(POINT client);
    void Paint();

    // Operations the sequence drives. Moves are gathered and applied once
    // per step, so the window never shows a half-moved frame.
    [[nodiscard]] std::int32_t Top() const override { return bounds_.top; }
    void SetTop(std::int32_t top) override;
    [[nodiscard]] std::int32_t Height() const override { return bounds_.height; }
    void SetHeight(std::int32_t height) override;
    void SetLeft(std::int32_t left) override;
    [[nodiscard]] std::int32_t Width() const override { return bounds_.width; }
    [[nodiscard]] logic::WorkArea CurrentWorkArea() const override;
    void SetAlphaBlend(bool on) override;
    [[nodiscard]] std::uint8_t AlphaBlendValue() const override { return alphaBlendValue_; }
    void SetAlphaBlendValue(std::uint8_t value) override;
    void BringToFront() override;
    void Show() override;
    void Close() override { Form::Close(); }
    void DrawBottomEdge() override;

    void ApplyBounds();
    void ApplyAlpha() const;

    struct Bounds {
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
    };
    Bounds bounds_;
    bool boundsPending_ = false;
    bool alphaBlend_ = false;
    std::uint8_t alphaBlendValue_ = 255;

    win::UniquePen maroonPen_;
    win::UniqueBrush yellowBrush_;
    // The picture stays selected into its own memory DC for the window's life:
    // the rise repaints it on every step.
    win::UniqueBitmap picture_;
    win::UniqueMemoryDc pictureDc_;
    std::optional<win::SelectGuard> pictureSelected_;
    SIZE pictureSize_{};
    COLORREF pictureKey_ = 0;

    win::MessageTimer Timer1;
    win::MessageTimer Timer2;
    win::MessageTimer Timer3;
    logic::PopupSequence sequence_;
};

}  // namespace vistrel
