#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "timer_switch.h"

namespace vistrel::test {

class FakeClock;

// A message-loop timer on a fake clock: a tick every period while on;
// switching it on while it is on keeps its phase.
class FakeTimer final : public logic::TimerSwitch {
public:
    FakeTimer(FakeClock& clock, std::int64_t periodMs) : clock_(clock), periodMs_(periodMs) {}

    void OnTick(std::function<void()> handler) { handler_ = std::move(handler); }
    [[nodiscard]] bool Enabled() const override { return enabled_; }
    void SetEnabled(bool on) override;
    void SetPeriod(std::int64_t periodMs) { periodMs_ = periodMs; }
    [[nodiscard]] std::int64_t DueMs() const { return dueMs_; }

private:
    friend class FakeClock;
    FakeClock& clock_;
    std::int64_t periodMs_;
    std::int64_t dueMs_ = 0;
    bool enabled_ = false;
    std::function<void()> handler_;
};

class FakeClock {
public:
    [[nodiscard]] std::int64_t NowMs() const { return nowMs_; }

    FakeTimer& AddTimer(std::int64_t periodMs) {
        timers_.push_back(std::make_unique<FakeTimer>(*this, periodMs));
        return *timers_.back();
    }

    // Runs every tick due up to and including now + ms, in time order; ties
    // go to the timer created first, as one thread handles them one by one.
    void Advance(std::int64_t ms) {
        const std::int64_t end = nowMs_ + ms;
        while (FakeTimer* next = NextDue(end)) {
            nowMs_ = next->dueMs_;
            next->dueMs_ += next->periodMs_;
            if (next->handler_) next->handler_();
        }
        nowMs_ = end;
    }

    // Runs exactly the next tick of any timer; false if none is on.
    bool Step() {
        FakeTimer* next = NextDue(INT64_MAX);
        if (next == nullptr) return false;
        Advance(next->dueMs_ - nowMs_);
        return true;
    }

private:
    FakeTimer* NextDue(std::int64_t notAfter) {
        FakeTimer* best = nullptr;
        for (auto& t : timers_) {
            if (t->enabled_ && t->dueMs_ <= notAfter && (best == nullptr || t->dueMs_ < best->dueMs_)) {
                best = t.get();
            }
        }
        return best;
    }

    std::int64_t nowMs_ = 0;
    std::vector<std::unique_ptr<FakeTimer>> timers_;
};

inline void FakeTimer::SetEnabled(bool on) {
    if (on && !enabled_) dueMs_ = clock_.NowMs() + periodMs_;
    enabled_ = on;
}

}  // namespace vistrel::test
