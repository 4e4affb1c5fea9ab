#include "form.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "application.h"
#include "controls.h"
#include "dpi.h"

namespace vistrel::win {
namespace {

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontFaceInstalled(const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(screen, &query, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

std::wstring MessageFontFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return metrics.lfMessageFont.lfFaceName;
    }
    return L"Segoe UI";
}

const wchar_t* ControlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return WC_STATICW;
    case ControlKind::SpeedButton: return kSpeedButtonClass;
    case ControlKind::Panel: return kPanelClass;
    case ControlKind::Edit: return WC_EDITW;
    case ControlKind::UpDown: return UPDOWN_CLASSW;
    }
    return WC_STATICW;
}

}  // namespace

UniqueFont CreateLayoutFont(const FontSpec& font, bool underline) {
    std::wstring face{font.face};
    // Where the face is missing, the system's message font rather than GDI's own pick.
    if (!FontFaceInstalled(face)) face = MessageFontFace();
    LOGFONTW lf{};
    lf.lfHeight = ToDevice(font.height);
    lf.lfWeight = FW_NORMAL;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfCharSet = font.charset;
    lf.lfQuality = CLEARTYPE_QUALITY;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont{::CreateFontIndirectW(&lf)};
}

Form::Form(Application& application, const FormLayout& layout)
    : application_(application),
      layout_(layout),
      font_(CreateLayoutFont(layout.font)),
      background_(::CreateSolidBrush(layout.colour.Resolve())) {}

Form::~Form() = default;

void Form::RegisterWindowClass() const {
    const std::wstring name{layout_.className};
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExW(App().Instance(), name.c_str(), &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = App().Instance();
    wc.hIcon = App().Icon();
    wc.hIconSm = App().SmallIcon();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;  // the form erases with its own brush
    wc.lpszClassName = name.c_str();
    ::RegisterClassExW(&wc);
}

void Form::CreateHandle(HWND owner, DWORD extraExStyle) {
    RegisterWindowClass();
    RECT frame{0, 0, ToDevice(layout_.clientWidth), ToDevice(layout_.clientHeight)};
    const DWORD exStyle = layout_.exStyle | extraExStyle;
    ::AdjustWindowRectEx(&frame, layout_.style, FALSE, exStyle);
    const std::wstring className{layout_.className};
    const std::wstring caption{layout_.caption};
    HWND hwnd = ::CreateWindowExW(exStyle, className.c_str(), caption.c_str(), layout_.style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, owner, nullptr, App().Instance(), this);
    // WM_NCCREATE has already made the window ours.
    if (hwnd == nullptr || hwnd != Handle()) throw std::runtime_error("CreateWindowEx failed");
    CreateControls();
}

void Form::CreateControls() {
    for (const ControlSpec& entry : layout_.controls) {
        HWND parent = entry.parentId == 0 ? Handle() : Control(entry.parentId);
        const std::wstring caption{entry.caption};
        HWND child = ::CreateWindowExW(entry.exStyle, ControlClass(entry.kind), caption.c_str(), WS_CHILD | WS_VISIBLE | entry.style,
                                       ToDevice(entry.left), ToDevice(entry.top), ToDevice(entry.width),
                                       ToDevice(entry.height), parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), App().Instance(),
                                       nullptr);
        if (child == nullptr) throw std::runtime_error("CreateWindowEx failed for a control");
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
        controls_.emplace_back(entry.id, child);
    }
}

HWND Form::Control(int id) const noexcept {
    for (const auto& [controlId, hwnd] : controls_) {
        if (controlId == id) return hwnd;
    }
    return nullptr;
}

void Form::DestroyHandle() noexcept { window_.reset(); }

void Form::Show() { ::ShowWindow(Handle(), SW_SHOW); }

void Form::Hide() { ::ShowWindow(Handle(), SW_HIDE); }

void Form::Close() { ::SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void Form::OnClose() {
    if (App().IsMainForm(*this)) {
        Hide();
        App().Terminate();
    } else {
        Hide();
    }
}

LRESULT Form::DefaultMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(Handle(), msg, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ERASEBKGND: {
        RECT r{};
        ::GetClientRect(Handle(), &r);
        ::FillRect(reinterpret_cast<HDC>(wParam), &r, BackgroundBrush());
        return 1;
    }
    default:
        return DefaultMessage(msg, wParam, lParam);
    }
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Form*>(create->lpCreateParams);
        self->window_.reset(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->window_.release();
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through Windows' own frames.
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace vistrel::win
