#pragma once

#include <chrono>
#include <functional>

namespace vistrel::test {

// Runs this thread's message loop until `done` holds or the time limit
// passes; true if `done` held. A WM_QUIT met on the way fails the test:
// tests that expect one run the application's own loop instead.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

inline void PumpFor(std::chrono::milliseconds duration) { PumpUntil([] { return false; }, duration); }

}  // namespace vistrel::test
