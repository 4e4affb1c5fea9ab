#pragma once

#include <windows.h>

#include <optional>

#include "form.h"
#include "notify_icon.h"
#include "reminder_schedule.h"
#include "skin_data.h"
#include "timer.h"
#include "unique_handle.h"

namespace vistrel {

class Tfrm_tip;

// The settings window: the main window, holder of the reminder schedule,
// the single-instance check and the notification icon with its menu.
class Tfrm_main final : public win::Form {
public:
    static constexpr UINT WM_TRAYICON = WM_USER + 100;

    explicit Tfrm_main(win::Application& application);

    // Reminders come up on this pop-up.
    void ConnectTip(Tfrm_tip& tip) noexcept { tip_ = &tip; }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override { FormDestroy(); }

    void FormCreate();
    void FormDestroy();
    void Button1Click();
    void Button2Click();
    void Label_urlClick();
    void Label_urlMouseEnter();
    void Label_urlMouseLeave();
    void N2Click();
    void Exit1Click();
    void WMTrayIcon(LPARAM mouseMessage);
    void Timer_eyeTimer();

    void PlaceAtDesktopCentre();
    void SetUpUpDown();
    void SetUpLabelUrl();
    void BuildPopupMenu();
    LRESULT ControlColour(HDC dc, HWND control) const;
    static LRESULT CALLBACK LabelUrlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self) noexcept;

    POINT CursorPos{};
    win::MessageTimer Timer_eye;
    logic::ReminderSchedule schedule_;
    Tfrm_tip* tip_ = nullptr;

    SkinData SkinData1;
    win::UniqueKernelHandle instanceMutex_;
    std::optional<win::NotifyIcon> trayIcon_;
    win::UniqueMenu PopupMenu1;
    win::UniqueFont labelUrlFont_;
    win::UniqueFont labelUrlUnderlinedFont_;
    bool labelUrlUnderlined_ = false;
    bool pointerOverLabelUrl_ = false;
};

}  // namespace vistrel
