#include "controls.h"

#include <windowsx.h>

#include <iterator>

#include "unique_handle.h"

namespace vistrel::win {
namespace {

constexpr int kFontSlot = 0;
constexpr int kPressedSlot = sizeof(LONG_PTR);
constexpr int kHeldSlot = 2 * sizeof(LONG_PTR);

bool PointerInside(HWND hwnd, LPARAM lParam) {
    RECT client{};
    ::GetClientRect(hwnd, &client);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return ::PtInRect(&client, p) != FALSE;
}

void SetPressed(HWND hwnd, bool pressed) {
    if ((::GetWindowLongPtrW(hwnd, kPressedSlot) != 0) == pressed) return;
    ::SetWindowLongPtrW(hwnd, kPressedSlot, pressed ? 1 : 0);
    ::InvalidateRect(hwnd, nullptr, FALSE);
}

void PaintSpeedButton(HWND hwnd) {
    PaintDc paint(hwnd);
    RECT r{};
    ::GetClientRect(hwnd, &r);
    const bool pressed = ::GetWindowLongPtrW(hwnd, kPressedSlot) != 0;
    ::DrawFrameControl(paint.get(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0U));
    wchar_t caption[64]{};
    ::GetWindowTextW(hwnd, caption, static_cast<int>(std::size(caption)));
    if (pressed) ::OffsetRect(&r, 1, 1);
    const auto font = reinterpret_cast<HFONT>(::GetWindowLongPtrW(hwnd, kFontSlot));
    SelectGuard useFont(paint.get(), font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(paint.get(), TRANSPARENT);
    ::SetTextColor(paint.get(), ::GetSysColor(COLOR_BTNTEXT));
    ::DrawTextW(paint.get(), caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT CALLBACK SpeedButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    switch (msg) {
    case WM_SETFONT:
        ::SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam) != 0) ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return ::GetWindowLongPtrW(hwnd, kFontSlot);
    case WM_PAINT:
        PaintSpeedButton(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // No SetFocus: a speed button leaves the focus (and the input
        // method) where it was.
        ::SetCapture(hwnd);
        ::SetWindowLongPtrW(hwnd, kHeldSlot, 1);
        SetPressed(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (::GetWindowLongPtrW(hwnd, kHeldSlot) != 0) SetPressed(hwnd, PointerInside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        const bool wasHeld = ::GetWindowLongPtrW(hwnd, kHeldSlot) != 0;
        ::SetWindowLongPtrW(hwnd, kHeldSlot, 0);
        SetPressed(hwnd, false);
        if (::GetCapture() == hwnd) ::ReleaseCapture();
        if (wasHeld && PointerInside(hwnd, lParam)) {
            const auto id = static_cast<WORD>(::GetDlgCtrlID(hwnd));
            ::SendMessageW(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        ::SetWindowLongPtrW(hwnd, kHeldSlot, 0);
        SetPressed(hwnd, false);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    switch (msg) {
    case WM_PAINT: {
        PaintDc paint(hwnd);
        RECT r{};
        ::GetClientRect(hwnd, &r);
        ::DrawEdge(paint.get(), &r, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
        return 0;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_VSCROLL:
        return ::SendMessageW(::GetParent(hwnd), msg, wParam, lParam);
    default:
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC proc, int extraBytes, HCURSOR cursor) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    ::RegisterClassExW(&wc);
}

}  // namespace

void RegisterControlClasses(HINSTANCE instance) {
    HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    Register(instance, kSpeedButtonClass, SpeedButtonProc, 3 * sizeof(LONG_PTR), arrow);
    Register(instance, kPanelClass, PanelProc, 0, arrow);
}

}  // namespace vistrel::win
