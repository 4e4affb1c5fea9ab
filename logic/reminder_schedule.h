#pragma once

#include <cstdint>
#include <functional>

#include "timer_switch.h"

namespace vistrel::logic {

// Counts minute ticks and starts a reminder whenever the confirmed period
// has been reached. Counting is by ticks, not by clock time.
class ReminderSchedule {
public:
    ReminderSchedule(TimerSwitch& timerEye, std::function<void()> showTip);

    // The user confirmed the period shown by the up-down control, whose
    // position is a signed 16-bit value.
    void Apply(std::int16_t upDownPosition);

    // One tick of the minute timer.
    void Timer_eyeTimer();

    [[nodiscard]] std::int32_t IntervalMinutes() const { return intervalMinutes_; }
    [[nodiscard]] std::int32_t ElapsedMinutes() const { return elapsedMinutes_; }

private:
    TimerSwitch& timerEye_;
    std::function<void()> showTip_;
    std::int32_t intervalMinutes_ = 0;
    std::int32_t elapsedMinutes_ = 0;
};

}  // namespace vistrel::logic
