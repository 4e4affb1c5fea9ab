// The settings window as the program first shows it: caption, size, place,
// every text, the up-down's steps and ends, the focus for its arrow keys,
// and the two ways out that end the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "e2e_setup.h"
#include "input.h"
#include "main_form_layout.h"
#include "notepad_window.h"
#include "screen_capture.h"
#include "settings_window.h"
#include "tip_recorder.h"
#include "tovrix_under_test.h"
#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

namespace layout = layouts::main;

constexpr milliseconds kQuitLimit{2'000};
// Clear of the settings window in the middle of the screen.
constexpr RECT kNotepadFrame{20, 20, 420, 270};

struct ControlTextCase {
    int id;
    const wchar_t* text;
};

// What the user reads, exactly; the two long texts begin with three spaces.
constexpr ControlTextCase kControlTexts[] = {
    {layout::Label3, L"   本功能将以设置的时间间隔为周期，在屏幕右下角以信息提示窗的形式，进行休息和护眼提醒。"},
    {layout::Label4, L"时间间隔：（单位：分钟）"},
    {layout::Label1, L"   本软件运行后，会在电脑右下角生成相应图标，在图标上点击右键菜单，可进行相关操作。"},
    {layout::Label_url, L"访问软件主页"},
    {layout::Button1, L"确定"},
    {layout::Button2, L"取消"},
};

TEST(SettingsWindow, FirstStartShowsItsCaptionTextsAndSizeInTheMiddleOfTheScreen) {
    Tovrix app = Tovrix::Start();
    const SettingsWindow settings{app.Settings()};
    EXPECT_EQ(WindowText(app.Settings()), L"Vistrel V2.0");
    const SIZE client = ClientSize(app.Settings());
    EXPECT_EQ(client.cx, 340);
    EXPECT_EQ(client.cy, 216);

    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    ASSERT_EQ(screenWidth, 1280);
    ASSERT_EQ(screenHeight, 800);
    const RECT frame = WindowRect(app.Settings());
    // Centred within a pixel: the margins on both sides differ by at most two.
    EXPECT_LE(std::abs(frame.left - (screenWidth - frame.right)), 2) << frame;
    EXPECT_LE(std::abs(frame.top - (screenHeight - frame.bottom)), 2) << frame;

    for (const auto& [id, text] : kControlTexts) {
        HWND control = ChildById(app.Settings(), id);
        ASSERT_NE(control, nullptr) << "control " << id;
        EXPECT_TRUE(Visible(control)) << "control " << id;
        EXPECT_EQ(WindowText(control), text) << "control " << id;
    }
    EXPECT_EQ(settings.Period(), L"10");

    ASSERT_TRUE(settings.WaitUntilDrawn()) << "the settings window does not show in a picture of the screen";
    ScreenImage::Capture(frame).SaveBmp(LocaleShotFile(L"settings_window"));
}

TEST(SettingsWindow, UpDownArrowClicksStepByFiveAndStopAtTen) {
    Tovrix app = Tovrix::Start();
    const SettingsWindow settings{app.Settings()};

    settings.ClickUpArrow();
    EXPECT_TRUE(settings.WaitForPeriod(L"15"));
    settings.ClickUpArrow();
    EXPECT_TRUE(settings.WaitForPeriod(L"20"));
    settings.ClickDownArrow();
    EXPECT_TRUE(settings.WaitForPeriod(L"15"));
    settings.ClickDownArrow();
    EXPECT_TRUE(settings.WaitForPeriod(L"10"));
    // At the bottom end a press changes nothing: had it wrapped round to
    // 300, the next step up would not give 15.
    settings.ClickDownArrow();
    Pause(milliseconds{200});
    EXPECT_EQ(settings.Period(), L"10");
    settings.ClickUpArrow();
    EXPECT_TRUE(settings.WaitForPeriod(L"15"));
}

// The focus of the program's window's thread, as the keyboard sees it.
HWND ProgramFocus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool ActiveWithEditFocused(HWND settings) {
    return ::GetForegroundWindow() == settings &&
           ProgramFocus(settings) == ChildById(settings, layout::Edit_time);
}

void PressKeyTimes(WORD key, int times) {
    for (int i = 0; i < times; ++i) PressKey(key);
}

TEST(SettingsWindow, ArrowKeysStepTheEditWhichHasTheFocusAndStopAtBothEnds) {
    Tovrix app = Tovrix::Start();
    const SettingsWindow settings{app.Settings()};
    ASSERT_TRUE(WaitUntil([&] { return ActiveWithEditFocused(app.Settings()); }, kWindowLimit))
        << "the first start did not leave the keyboard focus in the edit box";

    PressKey(VK_UP);
    EXPECT_TRUE(settings.WaitForPeriod(L"15"));
    PressKey(VK_DOWN);
    EXPECT_TRUE(settings.WaitForPeriod(L"10"));

    // Up to the top end, then three more: it stays, so one down gives 295.
    PressKeyTimes(VK_UP, (300 - 10) / 5);
    EXPECT_TRUE(settings.WaitForPeriod(L"300"));
    PressKeyTimes(VK_UP, 3);
    PressKey(VK_DOWN);
    EXPECT_TRUE(settings.WaitForPeriod(L"295"));

    // Down to the bottom end, then three more: one up gives 15.
    PressKeyTimes(VK_DOWN, (295 - 10) / 5);
    EXPECT_TRUE(settings.WaitForPeriod(L"10"));
    PressKeyTimes(VK_DOWN, 3);
    PressKey(VK_UP);
    EXPECT_TRUE(settings.WaitForPeriod(L"15"));
    EXPECT_TRUE(Visible(app.Settings()));
}

TEST(SettingsWindow, ActivatedAgainItGivesTheFocusBackToTheEdit) {
    Tovrix app = Tovrix::Start();
    const SettingsWindow settings{app.Settings()};
    const NotepadWindow notepad{kNotepadFrame};
    ASSERT_TRUE(notepad.TakeFocusByClick()) << "the notepad window never got the focus";
    EXPECT_NE(::GetForegroundWindow(), app.Settings());

    ClickLeft(settings.CaptionPoint());
    ASSERT_TRUE(WaitUntil([&] { return ActiveWithEditFocused(app.Settings()); }, kWindowLimit))
        << "a click on the caption did not give the edit box the focus";
    PressKey(VK_UP);
    EXPECT_TRUE(settings.WaitForPeriod(L"15"));
}

enum class WayOut { CancelButton, CloseBox };

class SettingsWindowLeft : public testing::TestWithParam<WayOut> {};

TEST_P(SettingsWindowLeft, EndsTheProgramAtOnceWithNoReminder) {
    Tovrix app = Tovrix::Start();
    const SettingsWindow settings{app.Settings()};
    TipRecorder recorder(app.Tip());
    if (GetParam() == WayOut::CancelButton) {
        app.ClickCancel();
    } else {
        const std::optional<POINT> closeBox = settings.CloseBoxCentre();
        ASSERT_TRUE(closeBox.has_value()) << "no point of the caption is the close box";
        ClickLeft(*closeBox);
    }
    EXPECT_EQ(app.Process().WaitForExit(kQuitLimit), std::optional<DWORD>{0}) << "still running after 2 s";
    recorder.Stop();
    const auto samples = recorder.Samples();
    EXPECT_FALSE(samples.empty());
    EXPECT_TRUE(std::none_of(samples.begin(), samples.end(), [](const TipSample& s) { return s.visible; }))
        << "a reminder showed before the program ended";
}

INSTANTIATE_TEST_SUITE_P(By, SettingsWindowLeft, testing::Values(WayOut::CancelButton, WayOut::CloseBox),
                         [](const testing::TestParamInfo<WayOut>& param) {
                             return param.param == WayOut::CancelButton ? "CancelButton" : "CloseBox";
                         });

}  // namespace
}  // namespace vistrel::e2e
