#pragma once

#include <windows.h>

#include <chrono>

namespace vistrel::soak {

// Waits and time limits in real milliseconds. Under libfaketime this
// process's clock runs `rate` times faster than the machine's, so each
// real millisecond is `rate` of its own; on the real clock rate is 1.
class Pace {
public:
    using Clock = std::chrono::steady_clock;

    explicit Pace(double rate) noexcept : rate_(rate > 1.0 ? rate : 1.0) {}

    [[nodiscard]] double Rate() const noexcept { return rate_; }

    void Sleep(double realMs) const {
        if (realMs > 0) ::Sleep(static_cast<DWORD>(realMs * rate_ + 0.5));
    }

    [[nodiscard]] Clock::time_point DeadlineAfter(double realMs) const {
        return Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                  std::chrono::duration<double, std::milli>(realMs * rate_));
    }

    // Real milliseconds since `start`, as far as this process's clock can tell.
    [[nodiscard]] double RealMsSince(Clock::time_point start) const {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / rate_;
    }

    // Asks again every `stepMs` until the condition holds or `limitMs` passed:
    // nothing in another process can be waited for more directly.
    template <typename Condition>
    [[nodiscard]] bool WaitUntil(Condition&& condition, double limitMs, double stepMs = 1.0) const {
        const auto deadline = DeadlineAfter(limitMs);
        while (true) {
            if (condition()) return true;
            if (Clock::now() >= deadline) return false;
            Sleep(stepMs);
        }
    }

private:
    double rate_;
};

}  // namespace vistrel::soak
