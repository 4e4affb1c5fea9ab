#include "reminder_schedule.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fake_clock.h"

namespace vistrel::test {
namespace {

constexpr std::int64_t kMinuteMs = 60'000;

// The schedule wired to a fake minute timer, recording the tick number of
// every reminder.
class ScheduleTest : public ::testing::Test {
protected:
    ScheduleTest() {
        timerEye.OnTick([this] {
            ++ticks;
            schedule.Timer_eyeTimer();
        });
    }

    std::vector<std::int64_t> RunMinutes(std::int64_t minutes) {
        clock.Advance(minutes * kMinuteMs);
        return reminderTicks;
    }

    FakeClock clock;
    FakeTimer& timerEye = clock.AddTimer(kMinuteMs);
    std::int64_t ticks = 0;
    std::vector<std::int64_t> reminderTicks;
    std::vector<std::int64_t> reminderTimesMs;
    logic::ReminderSchedule schedule{timerEye, [this] {
                                         reminderTicks.push_back(ticks);
                                         reminderTimesMs.push_back(clock.NowMs());
                                     }};
};

struct PeriodCase {
    std::int16_t position;
    std::int64_t minutes;
    std::vector<std::int64_t> expectedTicks;
};

class SchedulePeriodTest : public ScheduleTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(SchedulePeriodTest, RemindsEveryPeriodTicksAfterOk) {
    const PeriodCase& c = GetParam();
    schedule.Apply(c.position);
    EXPECT_EQ(RunMinutes(c.minutes), c.expectedTicks);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, SchedulePeriodTest,
    ::testing::Values(PeriodCase{10, 35, {10, 20, 30}}, PeriodCase{15, 45, {15, 30, 45}},
                      PeriodCase{300, 600, {300, 600}},
                      // The comparison is greater-or-equal: a period of one or less
                      // (never offered by the up-down) reminds at every tick.
                      PeriodCase{1, 3, {1, 2, 3}}, PeriodCase{0, 3, {1, 2, 3}},
                      PeriodCase{-5, 3, {1, 2, 3}}));

TEST_F(ScheduleTest, ReminderComesAtTheTickTimeNotEarlier) {
    schedule.Apply(10);
    clock.Advance(10 * kMinuteMs - 1);
    EXPECT_TRUE(reminderTimesMs.empty());
    clock.Advance(1);
    EXPECT_EQ(reminderTimesMs, std::vector<std::int64_t>{10 * kMinuteMs});
    EXPECT_EQ(schedule.ElapsedMinutes(), 0);
}

TEST_F(ScheduleTest, NoTickBeforeTheFirstOk) {
    clock.Advance(24 * 60 * kMinuteMs);
    EXPECT_FALSE(timerEye.Enabled());
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(reminderTicks.empty());
    EXPECT_EQ(schedule.IntervalMinutes(), 0);
}

TEST_F(ScheduleTest, SecondOkClearsTheCount) {
    schedule.Apply(10);
    RunMinutes(7);
    ASSERT_EQ(schedule.ElapsedMinutes(), 7);
    schedule.Apply(10);
    EXPECT_EQ(schedule.ElapsedMinutes(), 0);
    EXPECT_EQ(RunMinutes(9), std::vector<std::int64_t>{});
    EXPECT_EQ(RunMinutes(1), std::vector<std::int64_t>{17});
}

TEST_F(ScheduleTest, SecondOkKeepsTheMinuteTimersPhase) {
    schedule.Apply(10);
    clock.Advance(7 * kMinuteMs + 45'000);  // 7 ticks, then 45 s into the 8th minute
    schedule.Apply(10);
    // The first tick after the second OK ends the running minute: 15 s away.
    EXPECT_EQ(timerEye.DueMs(), 8 * kMinuteMs);
    clock.Advance(9 * kMinuteMs + 15'000);
    EXPECT_EQ(reminderTimesMs, std::vector<std::int64_t>{17 * kMinuteMs});
}

TEST_F(ScheduleTest, SecondOkWithANewPeriodTakesIt) {
    schedule.Apply(20);
    RunMinutes(12);
    schedule.Apply(10);
    EXPECT_EQ(RunMinutes(20), (std::vector<std::int64_t>{22, 32}));
    EXPECT_EQ(schedule.IntervalMinutes(), 10);
}

TEST_F(ScheduleTest, UnconfirmedPeriodHasNoEffect) {
    std::int16_t upDownPosition = 10;
    schedule.Apply(upDownPosition);
    RunMinutes(5);
    upDownPosition = 60;  // changed in the window, never confirmed
    EXPECT_EQ(RunMinutes(15), (std::vector<std::int64_t>{10, 20}));
    EXPECT_EQ(schedule.IntervalMinutes(), 10);
}

TEST_F(ScheduleTest, PeriodIsWidenedWithItsSign) {
    schedule.Apply(static_cast<std::int16_t>(0x8000));
    EXPECT_EQ(schedule.IntervalMinutes(), -32768);
    schedule.Apply(std::int16_t{0x7FFF});
    EXPECT_EQ(schedule.IntervalMinutes(), 32767);
}

}  // namespace
}  // namespace vistrel::test
