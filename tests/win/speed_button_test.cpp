#include "controls.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "message_loop.h"
#include "test_window.h"
#include "unique_handle.h"

namespace vistrel::win {
namespace {

using namespace std::chrono_literals;
using test::TestWindow;

constexpr int kButtonId = 7;
constexpr int kWidth = 83;
constexpr int kHeight = 25;

// A visible parent with a speed button and an edit that holds the focus.
class SpeedButtonTest : public testing::Test {
protected:
    SpeedButtonTest() : parent(nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
        RegisterControlClasses(::GetModuleHandleW(nullptr));
        button.reset(::CreateWindowExW(0, kSpeedButtonClass, L"确定", WS_CHILD | WS_VISIBLE, 20, 20, kWidth, kHeight,
                                       parent.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)),
                                       ::GetModuleHandleW(nullptr), nullptr));
        edit.reset(::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"10", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 60, 80,
                                     25, parent.Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    }

    [[nodiscard]] std::vector<test::ReceivedMessage> Clicks() const {
        std::vector<test::ReceivedMessage> clicks;
        for (const auto& m : parent.Received(WM_COMMAND)) {
            if (LOWORD(m.wParam) == kButtonId && HIWORD(m.wParam) == BN_CLICKED) clicks.push_back(m);
        }
        return clicks;
    }

    TestWindow parent;
    UniqueWindow button;
    UniqueWindow edit;
};

struct Step {
    UINT msg;
    int x;
    int y;
};

struct ClickCase {
    const char* name;
    std::vector<Step> steps;
    std::size_t clicks;
};

class SpeedButtonClicks : public SpeedButtonTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(SpeedButtonClicks, ReportsBnClickedOnlyForAReleaseInside) {
    for (const Step& step : GetParam().steps) {
        const WPARAM keys = step.msg == WM_LBUTTONUP ? 0 : MK_LBUTTON;
        ::SendMessageW(button.get(), step.msg, keys, MAKELPARAM(step.x, step.y));
        if (step.msg == WM_LBUTTONDOWN) {
            EXPECT_EQ(::GetCapture(), button.get()) << "a held button follows the pointer";
        }
    }
    EXPECT_EQ(::GetCapture(), nullptr);
    const auto clicks = Clicks();
    ASSERT_EQ(clicks.size(), GetParam().clicks);
    for (const auto& click : clicks) EXPECT_EQ(reinterpret_cast<HWND>(click.lParam), button.get());
}

INSTANTIATE_TEST_SUITE_P(
    , SpeedButtonClicks,
    testing::Values(ClickCase{"PressAndReleaseInside", {{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 12, 11}}, 1},
                    ClickCase{"ReleaseRightOfIt", {{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, kWidth + 5, 10}}, 0},
                    ClickCase{"ReleaseAboveIt", {{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 10, -3}}, 0},
                    ClickCase{"LeaveAndComeBackBeforeRelease",
                              {{WM_LBUTTONDOWN, 10, 10},
                               {WM_MOUSEMOVE, kWidth + 20, 10},
                               {WM_MOUSEMOVE, 40, 12},
                               {WM_LBUTTONUP, 40, 12}},
                              1},
                    ClickCase{"ReleaseWithoutPress", {{WM_LBUTTONUP, 10, 10}}, 0},
                    ClickCase{"TwoClicks",
                              {{WM_LBUTTONDOWN, 10, 10},
                               {WM_LBUTTONUP, 10, 10},
                               {WM_LBUTTONDOWN, 10, 10},
                               {WM_LBUTTONUP, 10, 10}},
                              2}),
    [](const auto& test) { return std::string{test.param.name}; });

TEST_F(SpeedButtonTest, LosingTheCaptureCancelsThePress) {
    ::SendMessageW(button.get(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::ReleaseCapture();
    ::SendMessageW(button.get(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(Clicks().empty());
}

void SendMouse(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute positions run from 0 to 65535 over the primary display.
    input.mi.dx = ::MulDiv(at.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(at.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
}

TEST_F(SpeedButtonTest, ARealClickLeavesTheFocusWhereItWas) {
    ::SetForegroundWindow(parent.Handle());
    ::SetFocus(edit.get());
    test::PumpFor(100ms);
    ASSERT_EQ(::GetFocus(), edit.get());

    POINT centre{kWidth / 2, kHeight / 2};
    ::ClientToScreen(button.get(), &centre);
    SendMouse(0, centre);
    SendMouse(MOUSEEVENTF_LEFTDOWN, centre);
    SendMouse(MOUSEEVENTF_LEFTUP, centre);
    ASSERT_TRUE(test::PumpUntil([&] { return !Clicks().empty(); }, 3s)) << "the click did not reach the button";

    EXPECT_EQ(::GetFocus(), edit.get());
}

}  // namespace
}  // namespace vistrel::win
