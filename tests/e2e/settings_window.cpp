#include "settings_window.h"

#include <stdexcept>
#include <vector>

#include "input.h"
#include "main_form_layout.h"
#include "screen_capture.h"
#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

namespace layout = layouts::main;

constexpr milliseconds kDrawLimit{3'000};
// The labels' colour: red 0, green 64, blue 128.
constexpr Rgb kTextColour{0, 64, 128};

HWND Control(HWND window, int id) {
    HWND control = ChildById(window, id);
    if (control == nullptr) throw std::runtime_error("the settings window has no control " + std::to_string(id));
    return control;
}

LRESULT HitTest(HWND window, POINT screen) {
    const auto packed = (static_cast<DWORD>(static_cast<WORD>(screen.y)) << 16) | static_cast<WORD>(screen.x);
    DWORD_PTR hit = HTNOWHERE;
    ::SendMessageTimeoutW(window, WM_NCHITTEST, 0, static_cast<LPARAM>(packed), SMTO_ABORTIFHUNG, 2000, &hit);
    return static_cast<LRESULT>(hit);
}

}  // namespace

SettingsWindow::SettingsWindow(HWND window)
    : window_(window), edit_(Control(window, layout::Edit_time)), upDown_(Control(window, layout::UpDown1)) {}

std::wstring SettingsWindow::Period() const { return ControlText(edit_); }

bool SettingsWindow::WaitForPeriod(std::wstring_view period, milliseconds limit) const {
    return WaitUntil([&] { return Period() == period; }, limit);
}

void SettingsWindow::ClickUpArrow() const {
    const RECT r = WindowRect(upDown_);
    ClickLeft(POINT{(r.left + r.right) / 2, r.top + Height(r) / 4});
}

void SettingsWindow::ClickDownArrow() const {
    const RECT r = WindowRect(upDown_);
    ClickLeft(POINT{(r.left + r.right) / 2, r.bottom - 1 - Height(r) / 4});
}

POINT SettingsWindow::CaptionPoint() const {
    const POINT clientOrigin = ToScreen(window_, POINT{0, 0});
    return POINT{clientOrigin.x + 40, clientOrigin.y - ::GetSystemMetrics(SM_CYSMCAPTION) / 2};
}

std::optional<POINT> SettingsWindow::CloseBoxCentre() const {
    const RECT frame = WindowRect(window_);
    const LONG y = CaptionPoint().y;
    std::vector<LONG> hits;
    for (LONG x = frame.left; x < frame.right; ++x) {
        if (HitTest(window_, POINT{x, y}) == HTCLOSE) hits.push_back(x);
    }
    if (hits.empty()) return std::nullopt;
    return POINT{(hits.front() + hits.back()) / 2, y};
}

bool SettingsWindow::WaitUntilDrawn() const {
    const RECT frame = WindowRect(window_);
    const POINT face = ToScreen(window_, POINT{3, 3});
    const Rgb faceColour = ToRgb(::GetSysColor(COLOR_BTNFACE));
    const RECT label = WindowRect(Control(window_, layout::Label4));
    return WaitUntil(
        [&] {
            const ScreenImage picture = ScreenImage::Capture(frame);
            return picture.At(face) == faceColour &&
                   picture.Count(label, [](Rgb c) { return c == kTextColour; }) > 0;
        },
        kDrawLimit, milliseconds{50});
}

}  // namespace vistrel::e2e
