#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "polling.h"

namespace vistrel::e2e {

// The settings window's controls as the user works them: the period in
// the edit box, the up-down's arrows, the caption and its close box.
class SettingsWindow {
public:
    // Throws if the window lacks the edit box or the up-down.
    explicit SettingsWindow(HWND window);

    [[nodiscard]] HWND Edit() const noexcept { return edit_; }
    // The period the edit box shows.
    [[nodiscard]] std::wstring Period() const;
    [[nodiscard]] bool WaitForPeriod(std::wstring_view period, milliseconds limit = milliseconds{2'000}) const;

    // A press on the upper or lower half of the up-down.
    void ClickUpArrow() const;
    void ClickDownArrow() const;

    // A point of the caption clear of its buttons.
    [[nodiscard]] POINT CaptionPoint() const;
    // The middle of the close box, found where the window itself says a
    // point of its caption is the close box; nothing if none is.
    [[nodiscard]] std::optional<POINT> CloseBoxCentre() const;

    // The window's face and its text colour show in a picture of the screen.
    [[nodiscard]] bool WaitUntilDrawn() const;

private:
    HWND window_;
    HWND edit_;
    HWND upDown_;
};

}  // namespace vistrel::e2e
