#include "uTip.h"

#include <windowsx.h>

#include "application.h"
#include "dpi.h"
#include "resource_ids.h"
#include "screen.h"
#include "tip_form_layout.h"

namespace vistrel {
namespace {

namespace layout = layouts::tip;
using logic::PopupSequence;

enum TimerId : UINT_PTR { kTimer1 = 1, kTimer2, kTimer3 };

constexpr WPARAM kDragByCaption = SC_MOVE | HTCAPTION;

RECT ScaledRect(int left, int top, int width, int height) {
    return RECT{win::ToDevice(left), win::ToDevice(top), win::ToDevice(left + width), win::ToDevice(top + height)};
}

}  // namespace

Tfrm_tip::Tfrm_tip(win::Application& application)
    : Form(application, layout::kForm),
      maroonPen_(::CreatePen(PS_SOLID, 1, layout::kMaroon)),
      yellowBrush_(::CreateSolidBrush(layout::kYellow)),
      Timer1(kTimer1, PopupSequence::kSlidePeriodMs),
      Timer2(kTimer2, PopupSequence::kHoldPeriodMs),
      Timer3(kTimer3, PopupSequence::kFadePeriodMs),
      sequence_(*this, Timer1, Timer2, Timer3, win::ToDevice(PopupSequence::kRiseHeight)) {
    picture_.reset(static_cast<HBITMAP>(::LoadImageW(application.Instance(), MAKEINTRESOURCEW(IDB_TIP_PICTURE),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (picture_) {
        BITMAP info{};
        ::GetObjectW(picture_.get(), sizeof info, &info);
        pictureSize_ = SIZE{info.bmWidth, info.bmHeight};
        pictureDc_.reset(::CreateCompatibleDC(nullptr));
        pictureSelected_.emplace(pictureDc_.get(), picture_.get());
        // The picture's bottom-left colour is its background, shown through.
        pictureKey_ = ::GetPixel(pictureDc_.get(), 0, info.bmHeight - 1);
    }
    // Owned by the desktop window: no taskbar button, no owner to follow.
    CreateHandle(::GetDesktopWindow());
    Timer1.Attach(Handle());
    Timer2.Attach(Handle());
    Timer3.Attach(Handle());
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    bounds_ = Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Tfrm_tip::ShowTip() {
    sequence_.ShowTip();
    ApplyBounds();
}

// ---- painting -------------------------------------------------------------

void Tfrm_tip::FormPaint(HDC dc, int width, int height) const {
    // Left, top and right edges; the strips painted next cover them.
    win::SelectGuard pen(dc, maroonPen_.get());
    ::MoveToEx(dc, 0, height - 1, nullptr);
    ::LineTo(dc, 0, 0);
    ::LineTo(dc, width - 1, 0);
    ::LineTo(dc, width - 1, height);
}

void Tfrm_tip::PaintControls(HDC dc, int width, int height) const {
    if (pictureDc_) {
        const RECT at = ScaledRect(layout::kImage1.left, layout::kImage1.top, pictureSize_.cx, pictureSize_.cy);
        ::TransparentBlt(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, pictureDc_.get(), 0, 0,
                         pictureSize_.cx, pictureSize_.cy, pictureKey_);
    }
    // Top and bottom strips span the width; the side strips fill between them.
    const int t = win::ToDevice(layout::kStripThickness);
    const RECT strips[] = {
        {0, 0, width, t},
        {0, t, t, height - t},
        {0, height - t, width, height},
        {width - t, t, width, height - t},
    };
    for (const RECT& strip : strips) {
        if (strip.right > strip.left && strip.bottom > strip.top) ::FillRect(dc, &strip, yellowBrush_.get());
    }
}

void Tfrm_tip::Paint() {
    win::PaintDc paint(Handle());
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return;
    // Drawn off screen and copied in one go: no flicker while it rises.
    win::UniqueMemoryDc buffer(::CreateCompatibleDC(paint.get()));
    win::UniqueBitmap surface(::CreateCompatibleBitmap(paint.get(), width, height));
    win::SelectGuard select(buffer.get(), surface.get());
    ::FillRect(buffer.get(), &client, BackgroundBrush());
    FormPaint(buffer.get(), width, height);
    PaintControls(buffer.get(), width, height);
    ::BitBlt(paint.get(), 0, 0, width, height, buffer.get(), 0, 0, SRCCOPY);
}

void Tfrm_tip::FormResize() {
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Tfrm_tip::DrawBottomEdge() {
    ApplyBounds();
    win::WindowDc dc(Handle());
    win::SelectGuard pen(dc.get(), maroonPen_.get());
    ::MoveToEx(dc.get(), bounds_.width - 1, bounds_.height - 1, nullptr);
    ::LineTo(dc.get(), 0, bounds_.height - 1);
}

// ---- dragging -------------------------------------------------------------

void Tfrm_tip::FormMouseDown(POINT client) {
    // The picture and the strips take their own presses.
    RECT clientRect{};
    ::GetClientRect(Handle(), &clientRect);
    const int t = win::ToDevice(layout::kStripThickness);
    const RECT inside{t, t, clientRect.right - t, clientRect.bottom - t};
    const RECT picture =
        ScaledRect(layout::kImage1.left, layout::kImage1.top, layout::kImage1.width, layout::kImage1.height);
    if (!::PtInRect(&inside, client) || ::PtInRect(&picture, client)) return;
    if (!sequence_.CanDrag()) return;
    ::ReleaseCapture();
    ::SendMessageW(Handle(), WM_SYSCOMMAND, kDragByCaption, 0);
}

// ---- window operations for the sequence ------------------------------------

void Tfrm_tip::SetTop(std::int32_t top) {
    bounds_.top = top;
    boundsPending_ = true;
}

void Tfrm_tip::SetHeight(std::int32_t height) {
    bounds_.height = height;
    boundsPending_ = true;
}

void Tfrm_tip::SetLeft(std::int32_t left) {
    bounds_.left = left;
    boundsPending_ = true;
}

logic::WorkArea Tfrm_tip::CurrentWorkArea() const {
    const RECT area = win::WorkArea();
    return logic::WorkArea{area.left, area.top, area.right, area.bottom};
}

void Tfrm_tip::ApplyBounds() {
    if (!boundsPending_) return;
    boundsPending_ = false;
    ::SetWindowPos(Handle(), nullptr, bounds_.left, bounds_.top, bounds_.width, bounds_.height,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOOWNERZORDER);
}

void Tfrm_tip::ApplyAlpha() const {
    ::SetLayeredWindowAttributes(Handle(), 0, alphaBlendValue_, LWA_ALPHA);
}

void Tfrm_tip::SetAlphaBlend(bool on) {
    if (on == alphaBlend_) return;
    alphaBlend_ = on;
    const LONG_PTR exStyle = ::GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, on ? (exStyle | WS_EX_LAYERED) : (exStyle & ~WS_EX_LAYERED));
    if (on) ApplyAlpha();
}

void Tfrm_tip::SetAlphaBlendValue(std::uint8_t value) {
    if (value == alphaBlendValue_) return;
    alphaBlendValue_ = value;
    if (alphaBlend_) ApplyAlpha();
}

void Tfrm_tip::BringToFront() {
    ApplyBounds();
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Tfrm_tip::Show() {
    ApplyBounds();
    ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

// ---- messages ---------------------------------------------------------------

LRESULT Tfrm_tip::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        if (Timer1.Owns(wParam)) {
            sequence_.Timer1Timer();
        } else if (Timer2.Owns(wParam)) {
            sequence_.Timer2Timer();
        } else if (Timer3.Owns(wParam)) {
            sequence_.Timer3Timer();
        }
        ApplyBounds();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == layout::SpeedButton1 && HIWORD(wParam) == BN_CLICKED) {
            sequence_.SpeedButton1Click();
            ApplyBounds();
        }
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        FormMouseDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        FormResize();
        return 0;
    case WM_WINDOWPOSCHANGING:
        // The system's move loop moves the window without SWP_NOACTIVATE, and
        // some window managers then activate it: a drag must leave the focus
        // and the input method where they are.
        reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOACTIVATE;
        return DefaultMessage(msg, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        // A drag moves the window behind the sequence's back.
        if (!boundsPending_) {
            RECT r{};
            ::GetWindowRect(Handle(), &r);
            bounds_ = Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
        }
        return DefaultMessage(msg, wParam, lParam);
    default:
        return Form::HandleMessage(msg, wParam, lParam);
    }
}

}  // namespace vistrel
