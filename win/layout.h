#pragma once

#include <windows.h>

#include <span>
#include <string_view>

namespace vistrel::win {

// A colour as the layouts give it: fixed, or one of the system's.
struct Colour {
    COLORREF rgb = 0;
    int systemIndex = -1;  // COLOR_* when >= 0

    [[nodiscard]] COLORREF Resolve() const { return systemIndex >= 0 ? ::GetSysColor(systemIndex) : rgb; }
};
constexpr Colour FixedColour(COLORREF rgb) { return Colour{rgb, -1}; }
constexpr Colour SystemColour(int index) { return Colour{0, index}; }

struct FontSpec {
    std::wstring_view face;
    int height = -12;  // negative: character height, as in LOGFONT
    Colour colour;
    BYTE charset = DEFAULT_CHARSET;
};

enum class ControlKind { Label, SpeedButton, Panel, Edit, UpDown };

// One child control: positions are relative to its parent, in 96-DPI pixels.
struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    int parentId = 0;  // 0: the form itself
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::wstring_view caption;
    DWORD style = 0;
    DWORD exStyle = 0;
};

// Everything a window looks like, as data.
struct FormLayout {
    std::wstring_view className;
    std::wstring_view caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    Colour colour;
    FontSpec font;
    std::span<const ControlSpec> controls;
};

}  // namespace vistrel::win
