#include "Utovrix.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>

#include "application.h"
#include "main_form_layout.h"
#include "screen.h"
#include "uTip.h"

namespace vistrel {
namespace {

namespace layout = layouts::main;

constexpr UINT_PTR kTimerEyeId = 1;
constexpr UINT kMinuteMs = 60'000;
constexpr UINT kTrayIconId = 1;

constexpr wchar_t kInstanceMutexName[] = L"tovrix";
constexpr wchar_t kAlreadyRunningText[] = L"“Vistrel”已运行！";
constexpr wchar_t kAlreadyRunningCaption[] = L"请注意";
constexpr wchar_t kTrayFailedText[] = L"Failed!";
constexpr wchar_t kApplicationTitle[] = L"tovrix";
constexpr wchar_t kTrayTip[] = L"Vistrel";
constexpr wchar_t kConfirmCloseText[] = L"确定要关闭“Vistrel”？";
constexpr wchar_t kConfirmCloseCaption[] = L"请确认";
constexpr wchar_t kHomePage[] = L"http://www.vistrel.example/tovrix.html";

DWORD MainFormExStyle(const win::Application& application) {
    return application.MainFormOnTaskBar() ? WS_EX_APPWINDOW : 0;
}

}  // namespace

Tfrm_main::Tfrm_main(win::Application& application)
    : Form(application, layout::kForm),
      Timer_eye(kTimerEyeId, kMinuteMs),
      schedule_(Timer_eye, [this] {
          if (tip_ != nullptr) tip_->ShowTip();
      }),
      labelUrlFont_(win::CreateLayoutFont(layout::kLabelUrlFont)),
      labelUrlUnderlinedFont_(win::CreateLayoutFont(layout::kLabelUrlFont, true)) {
    CreateHandle(nullptr, MainFormExStyle(application));
    Timer_eye.Attach(Handle());
    PlaceAtDesktopCentre();
    SetUpUpDown();
    SetUpLabelUrl();
    BuildPopupMenu();
    FormCreate();
}

void Tfrm_main::FormCreate() {
    // One copy per user session: the name lives in the session's namespace.
    instanceMutex_.reset(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::MessageBoxW(Handle(), kAlreadyRunningText, kAlreadyRunningCaption, MB_OK | MB_ICONINFORMATION);
        App().Terminate();
        return;
    }

    trayIcon_.emplace(Handle(), kTrayIconId, WM_TRAYICON, App().SmallIcon(), kTrayTip);
    if (!trayIcon_->Add()) {
        App().ShowMessageBox(kTrayFailedText, kApplicationTitle, MB_OK);
        App().Terminate();
    }
}

void Tfrm_main::FormDestroy() {
    if (trayIcon_) trayIcon_->Remove();
}

void Tfrm_main::PlaceAtDesktopCentre() {
    RECT frame{};
    ::GetWindowRect(Handle(), &frame);
    const SIZE screen = win::ScreenSize();
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(Handle(), nullptr, (screen.cx - width) / 2, (screen.cy - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Tfrm_main::SetUpUpDown() {
    HWND upDown = Control(layout::UpDown1);
    ::SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Control(layout::Edit_time)), 0);
    ::SendMessageW(upDown, UDM_SETRANGE32, layout::kUpDownMin, layout::kUpDownMax);
    UDACCEL step{0, layout::kUpDownStep};
    ::SendMessageW(upDown, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    ::SendMessageW(upDown, UDM_SETPOS32, 0, layout::kUpDownStart);
}

void Tfrm_main::SetUpLabelUrl() {
    HWND label = Control(layout::Label_url);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelUrlFont_.get()), FALSE);
    ::SetWindowSubclass(label, LabelUrlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Tfrm_main::BuildPopupMenu() {
    PopupMenu1.reset(::CreatePopupMenu());
    // Captions stand as written: no accelerator letters are added.
    ::AppendMenuW(PopupMenu1.get(), MF_STRING, layout::N2, layout::kMenuSettings);
    ::AppendMenuW(PopupMenu1.get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(PopupMenu1.get(), MF_STRING, layout::Exit1, layout::kMenuClose);
    SkinData1.ApplyToMenu(PopupMenu1.get());
}

// ---- handlers -------------------------------------------------------------

void Tfrm_main::Button1Click() {
    const LRESULT position = ::SendMessageW(Control(layout::UpDown1), UDM_GETPOS, 0, 0);
    schedule_.Apply(static_cast<std::int16_t>(LOWORD(position)));
    Hide();
}

void Tfrm_main::Button2Click() { Close(); }

void Tfrm_main::Label_urlClick() {
    ::ShellExecuteW(Handle(), L"open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL);
}

void Tfrm_main::Label_urlMouseEnter() {
    if (labelUrlUnderlined_) return;
    labelUrlUnderlined_ = true;
    ::SendMessageW(Control(layout::Label_url), WM_SETFONT, reinterpret_cast<WPARAM>(labelUrlUnderlinedFont_.get()),
                   TRUE);
}

void Tfrm_main::Label_urlMouseLeave() {
    if (!labelUrlUnderlined_) return;
    labelUrlUnderlined_ = false;
    ::SendMessageW(Control(layout::Label_url), WM_SETFONT, reinterpret_cast<WPARAM>(labelUrlFont_.get()), TRUE);
}

void Tfrm_main::N2Click() {
    Form::Show();
    ::SetForegroundWindow(Handle());
}

void Tfrm_main::Exit1Click() {
    if (App().ShowMessageBox(kConfirmCloseText, kConfirmCloseCaption, MB_YESNO) == IDYES) Close();
}

void Tfrm_main::WMTrayIcon(LPARAM mouseMessage) {
    if (LOWORD(mouseMessage) != WM_RBUTTONDOWN) return;
    ::GetCursorPos(&CursorPos);
    // Without this the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(Handle());
    ::TrackPopupMenuEx(PopupMenu1.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, CursorPos.x, CursorPos.y,
                       Handle(), nullptr);
    ::PostMessageW(Handle(), WM_NULL, 0, 0);
}

void Tfrm_main::Timer_eyeTimer() { schedule_.Timer_eyeTimer(); }

// ---- messages ---------------------------------------------------------------

LRESULT Tfrm_main::ControlColour(HDC dc, HWND control) const {
    ::SetTextColor(dc, Layout().font.colour.Resolve());
    if (control == Control(layout::Edit_time)) {
        // Read-only, yet it looks like an edit box, not like a label.
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    }
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(BackgroundBrush());
}

LRESULT Tfrm_main::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == win::NotifyIcon::TaskbarCreatedMessage()) {
        // The shell's taskbar came back (Explorer restarted): so must our icon.
        if (trayIcon_) trayIcon_->Restore();
        return 0;
    }
    switch (msg) {
    case WM_TRAYICON:
        WMTrayIcon(lParam);
        return 0;
    case WM_TIMER:
        if (Timer_eye.Owns(wParam)) Timer_eyeTimer();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case layout::Button1: Button1Click(); break;
        case layout::Button2: Button2Click(); break;
        case layout::Label_url:
            if (HIWORD(wParam) == STN_CLICKED) Label_urlClick();
            break;
        case layout::N2: N2Click(); break;
        case layout::Exit1: Exit1Click(); break;
        default: break;
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        // The up-down's arrow keys work while the edit box has the focus.
        if (LOWORD(wParam) != WA_INACTIVE) ::SetFocus(Control(layout::Edit_time));
        return 0;
    default:
        return Form::HandleMessage(msg, wParam, lParam);
    }
}

LRESULT CALLBACK Tfrm_main::LabelUrlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) noexcept {
    auto* form = reinterpret_cast<Tfrm_main*>(self);
    switch (msg) {
    case WM_MOUSEMOVE: {
        // Asked again at every move: a request made as the pointer already
        // left may be dropped, and the underline would then stay for good.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        ::TrackMouseEvent(&track);
        if (!form->pointerOverLabelUrl_) {
            form->pointerOverLabelUrl_ = true;
            form->Label_urlMouseEnter();
        }
        break;
    }
    case WM_MOUSELEAVE:
        form->pointerOverLabelUrl_ = false;
        form->Label_urlMouseLeave();
        break;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hwnd, LabelUrlProc, 0);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace vistrel
