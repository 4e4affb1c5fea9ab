#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string_view>

namespace vistrel::win {

// An icon in the taskbar's notification area that reports mouse events
// over it to its window as callbackMessage. Keeps "should be shown" apart
// from "shell has it", so that it can come back after the shell restarts.
class NotifyIcon {
public:
    NotifyIcon(HWND window, UINT id, UINT callbackMessage, HICON icon, std::wstring_view tip) noexcept;
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;
    ~NotifyIcon() { Remove(); }

    // False if the shell refused the icon.
    bool Add();
    // The shell's taskbar was (re)created: the icon may be gone.
    bool Restore();
    void Remove() noexcept;

    // The message the shell broadcasts to top-level windows when its taskbar
    // is created.
    [[nodiscard]] static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAW data_{};
    bool wanted_ = false;
};

}  // namespace vistrel::win
