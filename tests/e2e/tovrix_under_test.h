#pragma once

#include <windows.h>

#include "child_process.h"

namespace vistrel::e2e {

inline constexpr wchar_t kSettingsClass[] = L"Tfrm_main";
inline constexpr wchar_t kTipClass[] = L"Tfrm_tip";
inline constexpr milliseconds kWindowLimit{10'000};

// One running copy of the program as a user meets it: the process, its
// settings window and its pop-up.
class Tovrix {
public:
    // Starts a copy and waits for the settings window to show; throws if it
    // never does.
    static Tovrix Start();

    [[nodiscard]] ChildProcess& Process() noexcept { return process_; }
    [[nodiscard]] const ChildProcess& Process() const noexcept { return process_; }
    [[nodiscard]] HWND Settings() const noexcept { return settings_; }
    [[nodiscard]] HWND Tip() const noexcept { return tip_; }

    // "确定": starts the reminder schedule and hides the settings window.
    void ClickOk() const;
    // "取消": ends the program.
    void ClickCancel() const;
    // Brings the next reminder now instead of in ten minutes: as many ticks
    // of the program's minute timer as the period has minutes.
    void BringReminder(int periodMinutes = 10) const;

private:
    Tovrix(ChildProcess process, HWND settings, HWND tip)
        : process_(std::move(process)), settings_(settings), tip_(tip) {}

    ChildProcess process_;
    HWND settings_;
    HWND tip_;
};

}  // namespace vistrel::e2e
