#pragma once

#include <windows.h>

#include <chrono>

namespace vistrel::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Asks again and again until the condition holds or the limit has passed:
// nothing in another process can be waited for more directly.
template <typename Condition>
[[nodiscard]] bool WaitUntil(Condition&& condition, milliseconds limit, milliseconds step = milliseconds{10}) {
    const auto deadline = Clock::now() + limit;
    while (true) {
        if (condition()) return true;
        if (Clock::now() >= deadline) return false;
        ::Sleep(static_cast<DWORD>(step.count()));
    }
}

[[nodiscard]] inline milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

}  // namespace vistrel::e2e
