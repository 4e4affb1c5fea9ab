#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "form.h"
#include "layout.h"

// A small layout of the kinds the program's windows use, and a form made
// from it that keeps the commands it receives.
namespace vistrel::test {

enum TestControlId : int { kLabel = 11, kButton, kPanel, kEdit, kPanelButton };

inline constexpr std::array kTestControls{
    win::ControlSpec{kLabel, win::ControlKind::Label, 0, 10, 12, 160, 18, L"时间间隔：（单位：分钟）",
                     SS_LEFT | SS_NOPREFIX},
    win::ControlSpec{kButton, win::ControlKind::SpeedButton, 0, 180, 150, 83, 25, L"确定"},
    win::ControlSpec{kPanel, win::ControlKind::Panel, 0, 8, 36, 260, 104, L"", 0, WS_EX_CONTROLPARENT},
    win::ControlSpec{kEdit, win::ControlKind::Edit, kPanel, 22, 30, 90, 25, L"每 10 分钟",
                     ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    win::ControlSpec{kPanelButton, win::ControlKind::SpeedButton, kPanel, 130, 30, 83, 25, L"取消"},
};

inline constexpr win::FormLayout kTestForm{
    .className = L"Tfrm_layer_test",
    .caption = L"层测试 V2.0",
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    .exStyle = WS_EX_CONTROLPARENT,
    .clientWidth = 276,
    .clientHeight = 183,
    .colour = win::SystemColour(COLOR_BTNFACE),
    .font = {L"WenQuanYi Micro Hei", -12, win::FixedColour(0), DEFAULT_CHARSET},
    .controls = kTestControls,
};

struct Command {
    int id;
    int code;
    HWND from;
};

class TestForm final : public win::Form {
public:
    explicit TestForm(win::Application& application) : Form(application, kTestForm) { CreateHandle(nullptr); }

    std::vector<Command> commands;

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_COMMAND) {
            commands.push_back(Command{LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        }
        return Form::HandleMessage(msg, wParam, lParam);
    }
};

}  // namespace vistrel::test
