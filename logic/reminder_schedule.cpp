#include "reminder_schedule.h"

#include <utility>

namespace vistrel::logic {

ReminderSchedule::ReminderSchedule(TimerSwitch& timerEye, std::function<void()> showTip)
    : timerEye_(timerEye), showTip_(std::move(showTip)) {}

void ReminderSchedule::Apply(std::int16_t upDownPosition) {
    intervalMinutes_ = upDownPosition;  // sign-extending widening
    elapsedMinutes_ = 0;
    // Already on after an earlier OK: the minute clock keeps its phase.
    timerEye_.SetEnabled(true);
}

void ReminderSchedule::Timer_eyeTimer() {
    ++elapsedMinutes_;
    if (elapsedMinutes_ >= intervalMinutes_) {
        showTip_();
        elapsedMinutes_ = 0;
    }
}

}  // namespace vistrel::logic
