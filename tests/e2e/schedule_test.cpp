// Reminders on Wine's clock sped up by libfaketime (this group runs through
// tools/faketime-desktop-run.sh): the first ten minutes after OK, the next
// ten minutes later, and a second OK counts afresh. Minutes here are the
// program's, as this process's clock (sped up alike) tells them.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "polling.h"
#include "settings_window.h"
#include "tovrix_under_test.h"
#include "tray_icon.h"
#include "tray_menu.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

using std::chrono::minutes;
using std::chrono::seconds;

// Far less than the minute a missed or extra tick would make.
constexpr seconds kTolerance{20};
constexpr milliseconds kPollStep{5};

// When the pop-up next comes up from hidden, if before the deadline.
std::optional<Clock::time_point> NextReminder(HWND tip, Clock::time_point deadline) {
    bool hidden = !Visible(tip);
    while (Clock::now() < deadline) {
        const bool shown = Visible(tip);
        if (shown && hidden) return Clock::now();
        hidden = !shown;
        Pause(kPollStep);
    }
    return std::nullopt;
}

double MinutesBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::ratio<60>>(to - from).count();
}

void ExpectMinutesAfter(Clock::time_point from, Clock::time_point at, minutes earliest, minutes latest) {
    const auto elapsed = at - from;
    EXPECT_GE(elapsed, earliest - kTolerance) << MinutesBetween(from, at) << " minutes";
    EXPECT_LE(elapsed, latest + kTolerance) << MinutesBetween(from, at) << " minutes";
}

class Schedule : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(ClockRate(), 1.0) << "run this group on a sped-up clock (tools/faketime-desktop-run.sh)";
        ASSERT_TRUE(ClearIconsOfEndedPrograms()) << "another program's icon is in the notification area";
    }
};

TEST_F(Schedule, RemindsTenMinutesAfterOkAndEveryTenMinutesAfterThat) {
    Tovrix app = Tovrix::Start();
    const auto ok = Clock::now();
    app.ClickOk();

    const auto first = NextReminder(app.Tip(), ok + minutes{11});
    ASSERT_TRUE(first.has_value()) << "no reminder within 11 minutes of OK";
    ExpectMinutesAfter(ok, *first, minutes{10}, minutes{10});

    const auto second = NextReminder(app.Tip(), ok + minutes{21});
    ASSERT_TRUE(second.has_value()) << "no second reminder within 21 minutes of OK";
    ExpectMinutesAfter(ok, *second, minutes{20}, minutes{20});
}

TEST_F(Schedule, SecondOkStartsTheCountAgain) {
    Tovrix app = Tovrix::Start();
    const auto firstOk = Clock::now();
    app.ClickOk();

    // Halfway through a minute, so that a count kept from the first OK and
    // one started afresh fall minutes apart.
    EXPECT_FALSE(NextReminder(app.Tip(), firstOk + minutes{7} + seconds{30}).has_value());
    ASSERT_EQ(ChooseFromTrayMenu(app.Process().Id(), kSettingsItem), "");
    ASSERT_TRUE(WaitUntil([&] { return Visible(app.Settings()); }, kWindowLimit));
    EXPECT_EQ(SettingsWindow{app.Settings()}.Period(), L"10");
    const auto secondOk = Clock::now();
    app.ClickOk();

    const auto reminder = NextReminder(app.Tip(), secondOk + minutes{11});
    ASSERT_TRUE(reminder.has_value()) << "no reminder within 11 minutes of the second OK";
    // The minute timer keeps its phase across OKs: the first minute after
    // the second OK may be short, so the count ends 9 to 10 minutes later,
    // and not 10 minutes after the first OK.
    ExpectMinutesAfter(secondOk, *reminder, minutes{9}, minutes{10});
}

}  // namespace
}  // namespace vistrel::e2e
