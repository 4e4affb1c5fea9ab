#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "unique_handle.h"

namespace vistrel::test {

struct ReceivedMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// A plain window that keeps every message it gets, for the layer's parts to
// talk to. HWND_MESSAGE as the parent gives a message-only window.
class TestWindow {
public:
    explicit TestWindow(HWND parent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW);
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    // The handler may refer to a test's locals that are already gone.
    ~TestWindow() { onMessage = nullptr; }

    [[nodiscard]] HWND Handle() const noexcept { return window_.get(); }
    [[nodiscard]] std::vector<ReceivedMessage> Received(UINT msg) const;

    // Runs for each message, before it is kept.
    std::function<void(UINT msg, WPARAM wParam, LPARAM lParam)> onMessage;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

    std::vector<ReceivedMessage> received_;
    win::UniqueWindow window_;
};

}  // namespace vistrel::test
