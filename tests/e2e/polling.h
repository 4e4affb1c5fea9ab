#pragma once

#include <windows.h>

#include <array>
#include <chrono>
#include <cwchar>

namespace vistrel::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How many of this process's milliseconds pass in one real millisecond:
// the speed-up when Wine runs on a clock sped up by libfaketime (the
// wrapper says so in VISTREL_FAKETIME_RATE), otherwise 1.
[[nodiscard]] inline double ClockRate() {
    static const double rate = [] {
        std::array<wchar_t, 32> value{};
        const DWORD n =
            ::GetEnvironmentVariableW(L"VISTREL_FAKETIME_RATE", value.data(), static_cast<DWORD>(value.size()));
        const double parsed = n > 0 && n < value.size() ? std::wcstod(value.data(), nullptr) : 1.0;
        return parsed > 1.0 ? parsed : 1.0;
    }();
    return rate;
}

// A real span of time as this process's clock counts it. Limits and pauses
// in the tests are meant in real time: a sped-up clock must not shrink them.
[[nodiscard]] inline milliseconds OnThisClock(milliseconds real) {
    return milliseconds{static_cast<milliseconds::rep>(static_cast<double>(real.count()) * ClockRate() + 0.5)};
}

inline void Pause(milliseconds real) { ::Sleep(static_cast<DWORD>(OnThisClock(real).count())); }

// Asks again and again until the condition holds or the limit has passed:
// nothing in another process can be waited for more directly.
template <typename Condition>
[[nodiscard]] bool WaitUntil(Condition&& condition, milliseconds limit, milliseconds step = milliseconds{10}) {
    const auto deadline = Clock::now() + OnThisClock(limit);
    while (true) {
        if (condition()) return true;
        if (Clock::now() >= deadline) return false;
        Pause(step);
    }
}

[[nodiscard]] inline milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

}  // namespace vistrel::e2e
