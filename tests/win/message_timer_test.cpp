#include "timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "message_loop.h"
#include "test_window.h"

namespace vistrel::win {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::PumpFor;
using test::PumpUntil;
using test::TestWindow;

std::chrono::milliseconds Since(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(end - start);
}

TEST(MessageTimer, TicksArriveAsWmTimerOnItsWindowUntilSwitchedOff) {
    TestWindow window(HWND_MESSAGE);
    MessageTimer timer(42, 50);
    timer.Attach(window.Handle());

    timer.SetEnabled(true);
    ASSERT_TRUE(timer.Enabled());
    PumpFor(420ms);
    const auto ticks = window.Received(WM_TIMER);
    EXPECT_GE(ticks.size(), 3U);
    EXPECT_LE(ticks.size(), 9U);
    for (const auto& tick : ticks) {
        EXPECT_EQ(tick.wParam, 42U);
        EXPECT_TRUE(timer.Owns(tick.wParam));
    }

    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    PumpFor(200ms);
    EXPECT_EQ(window.Received(WM_TIMER).size(), ticks.size()) << "ticks after switch-off";
}

// A 300 ms timer is switched on, and 200 ms later switched again.
struct SecondSwitchCase {
    const char* name;
    bool offFirst;
    bool freshPeriod;  // the first tick comes 300 ms after the second switch, not the first
};

class MessageTimerSecondSwitch : public testing::TestWithParam<SecondSwitchCase> {};

TEST_P(MessageTimerSecondSwitch, FirstTickComesWhenThePhaseSays) {
    constexpr auto kPeriod = 300ms;
    // Wine's timers run a little late on a busy machine, never early by much.
    constexpr auto kEarly = 30ms;
    constexpr auto kLate = 100ms;
    TestWindow window(HWND_MESSAGE);
    MessageTimer timer(7, static_cast<UINT>(kPeriod.count()));
    timer.Attach(window.Handle());
    std::optional<Clock::time_point> firstTick;
    window.onMessage = [&](UINT msg, WPARAM wParam, LPARAM) {
        if (msg == WM_TIMER && timer.Owns(wParam) && !firstTick) firstTick = Clock::now();
    };

    const auto start = Clock::now();
    timer.SetEnabled(true);
    PumpFor(200ms);
    ASSERT_FALSE(firstTick) << "a tick came before the period had passed";
    if (GetParam().offFirst) timer.SetEnabled(false);
    timer.SetEnabled(true);
    const auto secondSwitch = Clock::now();
    ASSERT_TRUE(PumpUntil([&] { return firstTick.has_value(); }, 1500ms)) << "no tick at all";

    const auto from = GetParam().freshPeriod ? secondSwitch : start;
    EXPECT_GE(Since(from, *firstTick), kPeriod - kEarly);
    EXPECT_LT(Since(from, *firstTick), kPeriod + kLate)
        << "first tick " << Since(start, *firstTick).count() << " ms after the first switch, "
        << Since(secondSwitch, *firstTick).count() << " ms after the second";
}

INSTANTIATE_TEST_SUITE_P(, MessageTimerSecondSwitch,
                         testing::Values(SecondSwitchCase{"OnWhileOnKeepsThePhase", false, false},
                                         SecondSwitchCase{"OffThenOnStartsAFreshPeriod", true, true}),
                         [](const auto& test) { return std::string{test.param.name}; });

TEST(MessageTimer, DropsATickQueuedBeforeSwitchOff) {
    TestWindow window(HWND_MESSAGE);
    MessageTimer timer(5, 20);
    timer.Attach(window.Handle());
    int seen = 0;
    int owned = 0;
    window.onMessage = [&](UINT msg, WPARAM wParam, LPARAM) {
        if (msg != WM_TIMER || wParam != timer.Id()) return;
        ++seen;
        if (timer.Owns(wParam)) ++owned;
    };

    timer.SetEnabled(true);
    // Due while nobody pumps, and one tick already in the queue.
    ::Sleep(100);
    ASSERT_TRUE(::PostMessageW(window.Handle(), WM_TIMER, timer.Id(), 0));
    timer.SetEnabled(false);
    PumpFor(150ms);

    EXPECT_GE(seen, 1);
    EXPECT_EQ(owned, 0);
}

TEST(MessageTimer, OwnsOnlyItsOwnIdWhileOn) {
    TestWindow window(HWND_MESSAGE);
    MessageTimer timer(5, 1000);
    EXPECT_FALSE(timer.Owns(5)) << "off";
    timer.Attach(window.Handle());
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Owns(5));
    EXPECT_FALSE(timer.Owns(6));
}

TEST(MessageTimer, StaysOffWithoutAWindow) {
    MessageTimer timer(3, 20);
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Enabled());
}

TEST(MessageTimer, StopsTickingWhenDestroyed) {
    TestWindow window(HWND_MESSAGE);
    {
        MessageTimer timer(9, 20);
        timer.Attach(window.Handle());
        timer.SetEnabled(true);
    }
    PumpFor(150ms);
    EXPECT_TRUE(window.Received(WM_TIMER).empty());
}

}  // namespace
}  // namespace vistrel::win
