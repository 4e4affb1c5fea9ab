#pragma once

#include <cstdint>

#include "timer_switch.h"
#include "tip_window.h"

namespace vistrel::logic {

// The life of one reminder on screen: rise out of the work area's bottom
// edge at its right end, hold at full opacity, fade out, hide.
class PopupSequence {
public:
    static constexpr std::int32_t kRiseHeight = 180;
    static constexpr std::int32_t kRightMargin = 1;
    static constexpr std::uint8_t kFullOpacity = 255;
    static constexpr std::uint8_t kFadeStep = 3;
    static constexpr unsigned kSlidePeriodMs = 1;
    static constexpr unsigned kHoldPeriodMs = 8000;
    static constexpr unsigned kFadePeriodMs = 20;

    static constexpr std::int32_t kRising = 1;
    static constexpr std::int32_t kSettling = 2;

    // timer1 slides, timer2 holds, timer3 fades. riseHeight is in the
    // window's pixels: more than 180 on a screen of more than 96 DPI.
    PopupSequence(TipWindow& window, TimerSwitch& timer1, TimerSwitch& timer2, TimerSwitch& timer3,
                  std::int32_t riseHeight = kRiseHeight);

    void ShowTip();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void SpeedButton1Click();

    // The window may follow the pointer only once it has stopped rising.
    [[nodiscard]] bool CanDrag() const { return !timer1_.Enabled(); }

    [[nodiscard]] std::int32_t SlideState() const { return slideState_; }

private:
    void StartFade();

    TipWindow& window_;
    TimerSwitch& timer1_;
    TimerSwitch& timer2_;
    TimerSwitch& timer3_;
    std::int32_t riseHeight_;
    std::int32_t slideState_ = 0;
};

}  // namespace vistrel::logic
