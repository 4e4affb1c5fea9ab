#include "popup_sequence.h"

namespace vistrel::logic {

PopupSequence::PopupSequence(TipWindow& window, TimerSwitch& timer1, TimerSwitch& timer2, TimerSwitch& timer3,
                             std::int32_t riseHeight)
    : window_(window), timer1_(timer1), timer2_(timer2), timer3_(timer3), riseHeight_(riseHeight) {}

void PopupSequence::ShowTip() {
    window_.SetAlphaBlend(false);
    window_.SetAlphaBlendValue(kFullOpacity);
    timer1_.SetEnabled(true);
    // Start zero pixels tall on the work area's bottom edge, wherever the
    // taskbar sits.
    window_.SetTop(window_.CurrentWorkArea().bottom);
    window_.SetHeight(0);
    window_.BringToFront();
    slideState_ = kRising;
    window_.Show();
}

void PopupSequence::Timer1Timer() {
    switch (slideState_) {
    case kRising: {
        window_.SetTop(window_.Top() - 1);
        window_.SetHeight(window_.Height() + 1);
        window_.SetLeft(window_.CurrentWorkArea().right - window_.Width() - kRightMargin);
        if (window_.Top() > window_.CurrentWorkArea().bottom - riseHeight_) {
            return;
        }
        window_.DrawBottomEdge();
        slideState_ = kSettling;
        return;
    }
    case kSettling:
        window_.DrawBottomEdge();
        window_.SetAlphaBlend(true);
        window_.SetAlphaBlendValue(kFullOpacity);
        timer1_.SetEnabled(false);
        timer2_.SetEnabled(true);
        return;
    default:
        return;
    }
}

void PopupSequence::Timer2Timer() { StartFade(); }

// "×" works in every phase, the rise included, and does not stop the rise.
void PopupSequence::SpeedButton1Click() { StartFade(); }

void PopupSequence::StartFade() {
    timer2_.SetEnabled(false);
    window_.SetAlphaBlend(true);
    window_.SetAlphaBlendValue(kFullOpacity);
    timer3_.SetEnabled(true);
}

void PopupSequence::Timer3Timer() {
    // Wraps modulo 256 like the 8-bit opacity it is.
    window_.SetAlphaBlendValue(static_cast<std::uint8_t>(window_.AlphaBlendValue() - kFadeStep));
    if (window_.AlphaBlendValue() == 0) {
        timer3_.SetEnabled(false);
        window_.Close();
    }
}

}  // namespace vistrel::logic
