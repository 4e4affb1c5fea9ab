#include "timer.h"

namespace vistrel::win {

void MessageTimer::SetEnabled(bool on) {
    if (on == enabled_ || window_ == nullptr) return;
    if (on) {
        enabled_ = ::SetTimer(window_, id_, periodMs_, nullptr) != 0;
    } else {
        ::KillTimer(window_, id_);
        enabled_ = false;
    }
}

}  // namespace vistrel::win
