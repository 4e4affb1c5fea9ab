#pragma once

#include <windows.h>

#include "timer_switch.h"

namespace vistrel::win {

// A timer of the message loop: its ticks arrive as WM_TIMER on its window,
// on the one thread. Switching it on while on keeps its phase.
class MessageTimer final : public logic::TimerSwitch {
public:
    MessageTimer(UINT_PTR id, UINT periodMs) noexcept : id_(id), periodMs_(periodMs) {}
    MessageTimer(const MessageTimer&) = delete;
    MessageTimer& operator=(const MessageTimer&) = delete;
    ~MessageTimer() override { SetEnabled(false); }

    // The window whose message loop runs the timer; set once it exists.
    void Attach(HWND window) noexcept { window_ = window; }

    [[nodiscard]] bool Enabled() const override { return enabled_; }
    void SetEnabled(bool on) override;
    [[nodiscard]] UINT_PTR Id() const noexcept { return id_; }

    // True if a WM_TIMER with this id should run the handler: a tick
    // already queued when the timer was switched off is dropped.
    [[nodiscard]] bool Owns(WPARAM timerId) const noexcept { return enabled_ && timerId == id_; }

private:
    HWND window_ = nullptr;
    UINT_PTR id_;
    UINT periodMs_;
    bool enabled_ = false;
};

}  // namespace vistrel::win
