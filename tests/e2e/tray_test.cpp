// The notification icon: its menu on a right-button press, nothing on
// left clicks, the settings window again with the confirmed period,
// closing after a question, and coming back with a new taskbar.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "e2e_setup.h"
#include "input.h"
#include "message_box.h"
#include "screen_capture.h"
#include "settings_window.h"
#include "tovrix_under_test.h"
#include "tray_icon.h"
#include "tray_menu.h"
#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr UINT kIconId = 1;
constexpr wchar_t kConfirmText[] = L"确定要关闭“Vistrel”？";
constexpr wchar_t kConfirmCaption[] = L"请确认";
// An icon gives far more; an empty slot none.
constexpr int kIconPixels = 20;
constexpr milliseconds kDrawLimit{3'000};
constexpr milliseconds kQuitLimit{5'000};
constexpr milliseconds kNothingHappens{700};

bool AnyVisible(DWORD processId, std::wstring_view className) {
    const auto windows = TopLevelWindows(processId, className);
    return std::any_of(windows.begin(), windows.end(), Visible);
}

class TrayIcon : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ClearIconsOfEndedPrograms()) << "another program's icon is in the notification area";
        app_.emplace(Tovrix::Start());
    }

    [[nodiscard]] const Tovrix& App() const { return *app_; }
    [[nodiscard]] DWORD Id() const { return app_->Process().Id(); }
    [[nodiscard]] bool IconHeld() const { return ShellHoldsIcon(app_->Settings(), kIconId); }

    // "关闭Vistrel": the question, checked, once it shows.
    [[nodiscard]] HWND AskToClose() const {
        if (const std::string fault = ChooseFromTrayMenu(Id(), kCloseItem); !fault.empty()) {
            ADD_FAILURE() << fault;
            return nullptr;
        }
        HWND box = WaitForMessageBox(Id(), kWindowLimit, IDYES);
        if (box == nullptr) return nullptr;
        EXPECT_EQ(WindowText(box), kConfirmCaption);
        EXPECT_EQ(MessageBoxText(box), kConfirmText);
        EXPECT_EQ(MessageBoxButtons(box), (std::vector<int>{IDYES, IDNO}));
        EXPECT_FALSE(MessageBoxShowsIcon(box));
        return box;
    }

    void ExpectEndedWithIconGone() const {
        EXPECT_EQ(app_->Process().WaitForExit(kQuitLimit), std::optional<DWORD>{0});
        EXPECT_FALSE(IconHeld());
        EXPECT_TRUE(WaitUntil([] { return TrayIconPixels() == 0; }, kDrawLimit)) << "the icon is still drawn";
    }

private:
    std::optional<Tovrix> app_;
};

TEST_F(TrayIcon, RightPressOpensTheMenuOfThreeItemsAtThePointer) {
    App().ClickOk();
    EXPECT_TRUE(IconHeld());
    EXPECT_GT(TrayIconPixels(), kIconPixels) << "no icon is drawn in the notification area";

    const POINT pointer = FirstTrayIconCentre();
    MovePointer(pointer);
    const ExpectedMenu expected = ExpectedTrayMenuAt(pointer);
    HWND menu = OpenTrayMenu(Id());
    ASSERT_NE(menu, nullptr) << "no menu opened";
    const RECT frame = WindowRect(menu);
    // Where the system puts a menu opened at the pointer: with no room below
    // and to the right of the icon in the screen's corner, above the
    // taskbar, its right edge at the screen's, over the pointer.
    EXPECT_EQ(frame, expected.frame) << "pointer " << pointer;
    const RECT area = WorkArea();
    EXPECT_TRUE(frame.left >= area.left && frame.top >= area.top && frame.right <= area.right &&
                frame.bottom <= area.bottom)
        << frame << " is not inside the work area " << area;
    EXPECT_TRUE(frame.left <= pointer.x && pointer.x <= frame.right) << frame << " pointer " << pointer;
    EXPECT_EQ(frame.bottom, area.bottom) << frame;
    // The separator is thinner than the items around it.
    EXPECT_LT(Height(expected.items[kSeparatorItem]), Height(expected.items[kSettingsItem]));
    EXPECT_EQ(Height(expected.items[kSettingsItem]), Height(expected.items[kCloseItem]));

    // Same items, same text, same places: the same picture.
    EXPECT_TRUE(WaitUntil([&] { return ScreenImage::Capture(frame).Differences(expected.picture) == 0; },
                          kDrawLimit))
        << ScreenImage::Capture(frame).Differences(expected.picture) << " pixels differ from the expected menu";
    const RECT around{frame.left - 80, frame.top - 40, WindowRect(Taskbar()).right, WindowRect(Taskbar()).bottom};
    ScreenImage::Capture(around).SaveBmp(LocaleShotFile(L"tray_menu"));
    expected.picture.SaveBmp(LocaleShotFile(L"tray_menu_expected"));

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(menu); }, kWindowLimit)) << "Escape left the menu open";
    EXPECT_FALSE(Visible(App().Settings()));
    EXPECT_TRUE(App().Process().Running());
}

TEST_F(TrayIcon, LeftClicksAndDoubleClicksDoNothing) {
    App().ClickOk();
    const POINT icon = FirstTrayIconCentre();
    ClickLeft(icon);
    Pause(kNothingHappens);
    EXPECT_FALSE(AnyVisible(Id(), kMenuClass)) << "a left click opened a menu";
    EXPECT_FALSE(Visible(App().Settings())) << "a left click showed the settings window";
    EXPECT_FALSE(AnyVisible(Id(), kDialogClass));

    DoubleClickLeft(icon);
    Pause(kNothingHappens);
    EXPECT_FALSE(AnyVisible(Id(), kMenuClass)) << "a double click opened a menu";
    EXPECT_FALSE(Visible(App().Settings())) << "a double click showed the settings window";
    EXPECT_FALSE(AnyVisible(Id(), kDialogClass));

    // The clicks were on the icon: the right button there opens the menu.
    HWND menu = OpenTrayMenu(Id());
    ASSERT_NE(menu, nullptr);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(menu); }, kWindowLimit));
}

TEST_F(TrayIcon, SettingsItemShowsTheWindowWithTheLastConfirmedPeriod) {
    const SettingsWindow settings{App().Settings()};
    for (int i = 0; i < 3; ++i) settings.ClickUpArrow();
    ASSERT_TRUE(settings.WaitForPeriod(L"25"));
    App().ClickOk();

    ASSERT_EQ(ChooseFromTrayMenu(Id(), kSettingsItem), "");
    ASSERT_TRUE(WaitUntil([&] { return Visible(App().Settings()); }, kWindowLimit))
        << "the settings window did not come back";
    EXPECT_EQ(settings.Period(), L"25");
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == App().Settings(); }, kWindowLimit))
        << "the settings window came back behind other windows";
    // In front with the focus in the edit box: the arrow keys work at once.
    PressKey(VK_UP);
    EXPECT_TRUE(settings.WaitForPeriod(L"30"));
}

TEST_F(TrayIcon, CloseItemAsksFirstNoKeepsItRunningYesEndsIt) {
    App().ClickOk();
    HWND box = AskToClose();
    ASSERT_NE(box, nullptr) << "no question before closing";
    ScreenImage::CaptureSettled(WindowRect(box)).SaveBmp(LocaleShotFile(L"close_confirmation"));

    ClickLeft(CentreOf(::GetDlgItem(box, IDNO)));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, kWindowLimit)) << "No left the question open";
    Pause(kNothingHappens);
    EXPECT_TRUE(App().Process().Running());
    EXPECT_TRUE(IconHeld());
    EXPECT_GT(TrayIconPixels(), kIconPixels);
    EXPECT_FALSE(Visible(App().Settings()));

    box = AskToClose();
    ASSERT_NE(box, nullptr) << "no question the second time";
    ClickLeft(CentreOf(::GetDlgItem(box, IDYES)));
    ExpectEndedWithIconGone();
}

TEST_F(TrayIcon, CloseItemEndsTheProgramWhileAReminderIsOnTheScreen) {
    App().ClickOk();
    App().BringReminder();
    ASSERT_TRUE(WaitUntil([&] { return Visible(App().Tip()) && LayeredAlpha(App().Tip()) == BYTE{255}; },
                          kWindowLimit))
        << "the reminder did not rise";
    HWND box = AskToClose();
    ASSERT_NE(box, nullptr) << "no question before closing";
    EXPECT_TRUE(Visible(App().Tip()));
    ClickLeft(CentreOf(::GetDlgItem(box, IDYES)));
    ExpectEndedWithIconGone();
}

TEST_F(TrayIcon, ComesBackWhenTheTaskbarIsMadeAgain) {
    App().ClickOk();
    ASSERT_TRUE(IconHeld());
    // As if the shell had restarted without it.
    ASSERT_TRUE(RemoveIconOf(App().Settings(), kIconId));
    EXPECT_FALSE(IconHeld());
    EXPECT_TRUE(WaitUntil([] { return TrayIconPixels() == 0; }, kDrawLimit)) << "the removed icon is still drawn";

    BroadcastTaskbarCreated();
    EXPECT_TRUE(WaitUntil([&] { return IconHeld(); }, kWindowLimit)) << "the icon did not come back";
    EXPECT_TRUE(WaitUntil([] { return TrayIconPixels() > kIconPixels; }, kDrawLimit)) << "the icon is not drawn";

    // Still the program's icon: its menu opens from it.
    HWND menu = OpenTrayMenu(Id());
    ASSERT_NE(menu, nullptr) << "the icon that came back opens no menu";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(menu); }, kWindowLimit));
}

}  // namespace
}  // namespace vistrel::e2e
