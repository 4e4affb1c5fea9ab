#pragma once

#include <windows.h>

#include <thread>

namespace vistrel::e2e {

// A plain editor window of the test's own, standing for the program the
// user is typing into when a reminder comes up. It runs its message loop
// on its own thread, so it answers while the test waits and clicks.
class NotepadWindow {
public:
    // Throws if the window cannot be made.
    explicit NotepadWindow(RECT frame);
    NotepadWindow(const NotepadWindow&) = delete;
    NotepadWindow& operator=(const NotepadWindow&) = delete;
    ~NotepadWindow();

    [[nodiscard]] HWND Handle() const noexcept { return window_; }
    [[nodiscard]] HWND Edit() const noexcept { return edit_; }

    // Clicks into the text, as the user would, until the window is in front
    // with the caret in its edit box; false if it never gets there.
    [[nodiscard]] bool TakeFocusByClick() const;
    // The foreground window, with the keyboard focus in its edit box.
    [[nodiscard]] bool HasForegroundAndFocus() const;

private:
    void Run(RECT frame);

    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    DWORD threadId_ = 0;
    std::jthread thread_;
};

}  // namespace vistrel::e2e
