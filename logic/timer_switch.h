#pragma once

namespace vistrel::logic {

// A message-loop timer as the reminder logic sees it. Implementations keep
// the rule that switching on a timer that is already on changes nothing:
// only an off-to-on change starts a fresh period.
class TimerSwitch {
public:
    virtual ~TimerSwitch() = default;
    [[nodiscard]] virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool on) = 0;
};

}  // namespace vistrel::logic
