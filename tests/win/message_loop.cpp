#include "message_loop.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vistrel::test {

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + limit;
    for (;;) {
        MSG msg{};
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ADD_FAILURE() << "unexpected WM_QUIT";
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            if (done()) return true;
        }
        if (done()) return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
    }
}

}  // namespace vistrel::test
