#include "popup_sequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fake_clock.h"
#include "fake_tip_window.h"

namespace vistrel::test {
namespace {

using logic::PopupSequence;
using logic::WorkArea;

// What a person would see of the window after one step.
struct Frame {
    std::int32_t top;
    std::int32_t height;
    std::int32_t left;
    bool alphaBlend;
    std::uint8_t alpha;
    bool visible;
    bool operator==(const Frame&) const = default;
};

void PrintTo(const Frame& f, std::ostream* os) {
    *os << "{top " << f.top << ", height " << f.height << ", left " << f.left << ", blend "
        << f.alphaBlend << ", alpha " << int{f.alpha} << ", visible " << f.visible << "}";
}

class SequenceTest : public ::testing::Test {
protected:
    SequenceTest() {
        timer1.OnTick([this] { sequence.Timer1Timer(); });
        timer2.OnTick([this] { sequence.Timer2Timer(); });
        timer3.OnTick([this] { sequence.Timer3Timer(); });
        window.top = 100;  // wherever an earlier drag left it
        window.left = 30;
    }

    [[nodiscard]] Frame Now() const {
        return {window.top, window.height, window.left, window.alphaBlend, window.alpha, window.visible};
    }
    [[nodiscard]] bool AllTimersOff() const {
        return !timer1.Enabled() && !timer2.Enabled() && !timer3.Enabled();
    }
    // Steps the clock tick by tick until the window is hidden and every timer is off.
    void RunToEnd() {
        while (clock.Step()) {
        }
    }
    void StepSlideTicks(int n) {
        for (int i = 0; i < n; ++i) {
            const bool wasOn = timer1.Enabled();
            ASSERT_TRUE(wasOn);
            clock.Advance(timer1.DueMs() - clock.NowMs());
        }
    }

    FakeClock clock;
    FakeTimer& timer1 = clock.AddTimer(PopupSequence::kSlidePeriodMs);
    FakeTimer& timer2 = clock.AddTimer(PopupSequence::kHoldPeriodMs);
    FakeTimer& timer3 = clock.AddTimer(PopupSequence::kFadePeriodMs);
    FakeTipWindow window;
    PopupSequence sequence{window, timer1, timer2, timer3};
};

TEST_F(SequenceTest, UndisturbedReminderTickByTick) {
    sequence.ShowTip();
    EXPECT_EQ(Now(), (Frame{780, 0, 30, false, 255, true}));
    EXPECT_EQ(window.bringToFrontCount, 1);
    EXPECT_EQ(sequence.SlideState(), 1);
    EXPECT_TRUE(timer1.Enabled());

    // Rising: one pixel per tick, the bottom edge on the work area's bottom.
    for (std::int32_t tick = 1; tick <= 180; ++tick) {
        ASSERT_TRUE(clock.Step());
        ASSERT_EQ(Now(), (Frame{780 - tick, tick, 1280 - 274 - 1, false, 255, true})) << "tick " << tick;
        ASSERT_EQ(sequence.SlideState(), tick < 180 ? 1 : 2) << "tick " << tick;
    }
    EXPECT_EQ(clock.NowMs(), 180);
    EXPECT_EQ(window.bottomEdgeDrawnAtHeight, std::vector<std::int32_t>{180});

    // Settling: one more slide tick, then the hold.
    ASSERT_TRUE(clock.Step());
    EXPECT_EQ(Now(), (Frame{600, 180, 1005, true, 255, true}));
    EXPECT_EQ(window.bottomEdgeDrawnAtHeight, (std::vector<std::int32_t>{180, 180}));
    EXPECT_FALSE(timer1.Enabled());
    EXPECT_TRUE(timer2.Enabled());
    EXPECT_FALSE(timer3.Enabled());

    // Holding 8 s, nothing moves.
    clock.Advance(7999);
    EXPECT_EQ(Now(), (Frame{600, 180, 1005, true, 255, true}));
    clock.Advance(1);
    EXPECT_FALSE(timer2.Enabled());
    EXPECT_TRUE(timer3.Enabled());

    // Fading: 252, 249, ... 3, 0 every 20 ms, then hidden.
    for (int fadeTick = 1; fadeTick <= 85; ++fadeTick) {
        ASSERT_TRUE(clock.Step());
        const auto expected = static_cast<std::uint8_t>(255 - 3 * fadeTick);
        ASSERT_EQ(Now(), (Frame{600, 180, 1005, true, expected, fadeTick < 85})) << "fade tick " << fadeTick;
    }
    EXPECT_EQ(clock.NowMs(), 181 + 8000 + 85 * 20);
    EXPECT_TRUE(AllTimersOff());
    EXPECT_FALSE(clock.Step());
    EXPECT_EQ(window.bringToFrontCount, 1);
}

TEST_F(SequenceTest, CloseDuringHoldFadesAtOnceAndTheHoldNeverFires) {
    sequence.ShowTip();
    StepSlideTicks(181);
    clock.Advance(3000);
    sequence.SpeedButton1Click();
    EXPECT_FALSE(timer2.Enabled());
    EXPECT_TRUE(timer3.Enabled());
    clock.Advance(20);
    EXPECT_EQ(window.alpha, 252);
    RunToEnd();
    // 85 ticks from the click, never reset to 255 by a late hold.
    EXPECT_EQ(clock.NowMs(), 181 + 3000 + 85 * 20);
    EXPECT_FALSE(window.visible);
    EXPECT_TRUE(AllTimersOff());
}

TEST_F(SequenceTest, CloseDuringFadeStartsTheFadeAgainFromFullOpacity) {
    sequence.ShowTip();
    StepSlideTicks(181);
    clock.Advance(8000 + 40 * 20);
    ASSERT_EQ(window.alpha, 255 - 3 * 40);
    sequence.SpeedButton1Click();
    EXPECT_EQ(window.alpha, 255);
    EXPECT_TRUE(window.alphaBlend);
    const std::int64_t clickedAt = clock.NowMs();
    RunToEnd();
    EXPECT_EQ(clock.NowMs() - clickedAt, 85 * 20);
    EXPECT_FALSE(window.visible);
}

TEST_F(SequenceTest, CloseWhileRisingWhenTheRiseSettlesFirst) {
    sequence.ShowTip();
    StepSlideTicks(50);
    sequence.SpeedButton1Click();
    EXPECT_TRUE(timer1.Enabled()) << "the rise goes on";
    EXPECT_TRUE(window.alphaBlend);
    StepSlideTicks(131);  // settles after 181 slide ticks; a few fade ticks ran meanwhile
    EXPECT_EQ(Now(), (Frame{600, 180, 1005, true, 255, true}));
    EXPECT_TRUE(timer2.Enabled());
    EXPECT_TRUE(timer3.Enabled());
    // The fade goes on from 255 straight after settling...
    clock.Advance(85 * 20);
    EXPECT_FALSE(window.visible);
    EXPECT_FALSE(timer3.Enabled());
    // ...and the late hold fades the hidden window once more.
    RunToEnd();
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(window.alpha, 0);
    EXPECT_TRUE(AllTimersOff());
}

TEST_F(SequenceTest, CloseWhileRisingWhenTheFadeEndsFirst) {
    timer1.SetPeriod(10);  // the platform's shortest timer: a 1.8 s rise outlasts a 1.7 s fade
    sequence.ShowTip();
    StepSlideTicks(1);
    sequence.SpeedButton1Click();
    clock.Advance(85 * 20);
    EXPECT_FALSE(window.visible);
    EXPECT_TRUE(timer1.Enabled());
    EXPECT_EQ(sequence.SlideState(), 1);
    // The rest of the rise runs on the hidden window, which stays hidden.
    RunToEnd();
    EXPECT_EQ(Now(), (Frame{600, 180, 1005, true, 0, false}));
    EXPECT_TRUE(AllTimersOff());
}

TEST_F(SequenceTest, WorkAreaChangeMidRiseIsUsedFromTheNextTick) {
    sequence.ShowTip();
    StepSlideTicks(50);
    ASSERT_EQ(window.top, 730);
    window.workArea = WorkArea{0, 0, 1000, 760};
    StepSlideTicks(1);
    EXPECT_EQ(window.top, 729);
    EXPECT_EQ(window.left, 1000 - 274 - 1);
    // The stop test now wants top 580: 149 more ticks.
    StepSlideTicks(149);
    EXPECT_EQ(sequence.SlideState(), 2);
    EXPECT_EQ(window.top, 580);
    EXPECT_EQ(window.height, 200);
}

TEST_F(SequenceTest, DragAllowedOnlyOnceTheRiseIsOver) {
    EXPECT_TRUE(sequence.CanDrag()) << "before the first reminder";
    sequence.ShowTip();
    EXPECT_FALSE(sequence.CanDrag()) << "rising";
    StepSlideTicks(180);
    EXPECT_FALSE(sequence.CanDrag()) << "settling";
    StepSlideTicks(1);
    EXPECT_TRUE(sequence.CanDrag()) << "holding";
    clock.Advance(8000 + 20);
    EXPECT_TRUE(sequence.CanDrag()) << "fading";
    RunToEnd();
    EXPECT_TRUE(sequence.CanDrag()) << "hidden";
}

TEST_F(SequenceTest, NextReminderAfterADragReturnsToTheCorner) {
    sequence.ShowTip();
    StepSlideTicks(181);
    window.top = 200;  // dragged while holding
    window.left = 40;
    RunToEnd();
    sequence.ShowTip();
    StepSlideTicks(1);
    EXPECT_EQ(Now(), (Frame{779, 1, 1005, false, 255, true}));
}

TEST_F(SequenceTest, ShowTipWhileAReminderIsShownStartsAgain) {
    sequence.ShowTip();
    StepSlideTicks(181);
    clock.Advance(8000 + 10 * 20);
    sequence.ShowTip();
    EXPECT_EQ(Now(), (Frame{780, 0, 1005, false, 255, true}));
    EXPECT_EQ(sequence.SlideState(), 1);
}

// Where the risen window ends up, whatever side the taskbar is on: its
// bottom on the work area's bottom edge, its right edge one pixel left of
// the work area's right edge.
struct LayoutCase {
    const char* name;
    WorkArea workArea;
    Frame risen;
};

class SequenceLayoutTest : public SequenceTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(SequenceLayoutTest, RisesIntoTheWorkAreasBottomRightCorner) {
    const LayoutCase& c = GetParam();
    window.workArea = c.workArea;
    sequence.ShowTip();
    EXPECT_EQ(window.top, c.workArea.bottom);
    StepSlideTicks(181);
    EXPECT_EQ(Now(), c.risen);
    EXPECT_EQ(window.left + window.width, c.workArea.right - 1);
    EXPECT_EQ(window.top + window.height, c.workArea.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    TaskbarSides, SequenceLayoutTest,
    ::testing::Values(LayoutCase{"bottom", {0, 0, 1280, 780}, {600, 180, 1005, true, 255, true}},
                      LayoutCase{"top", {0, 30, 1280, 800}, {620, 180, 1005, true, 255, true}},
                      LayoutCase{"left", {60, 0, 1280, 800}, {620, 180, 1005, true, 255, true}},
                      LayoutCase{"right", {0, 0, 1220, 800}, {620, 180, 945, true, 255, true}}),
    [](const auto& param) { return std::string{param.param.name}; });

TEST(SequenceScaleTest, RisesByTheGivenHeightOnDenserScreens) {
    FakeClock clock;
    FakeTimer& t1 = clock.AddTimer(1);
    FakeTimer& t2 = clock.AddTimer(8000);
    FakeTimer& t3 = clock.AddTimer(20);
    FakeTipWindow window;
    window.width = 411;  // 274 at 144 DPI
    PopupSequence sequence{window, t1, t2, t3, 270};
    t1.OnTick([&] { sequence.Timer1Timer(); });
    sequence.ShowTip();
    for (int tick = 0; tick < 271; ++tick) ASSERT_TRUE(clock.Step());
    EXPECT_EQ(window.top, 780 - 270);
    EXPECT_EQ(window.height, 270);
    EXPECT_EQ(window.left, 1280 - 411 - 1);
    EXPECT_TRUE(t2.Enabled());
}

TEST(SequenceFadeTest, OpacityWrapsAsAnUnsignedByte) {
    FakeClock clock;
    FakeTimer& t1 = clock.AddTimer(1);
    FakeTimer& t2 = clock.AddTimer(8000);
    FakeTimer& t3 = clock.AddTimer(20);
    FakeTipWindow window;
    PopupSequence sequence{window, t1, t2, t3};
    window.alpha = 1;
    t3.SetEnabled(true);
    sequence.Timer3Timer();
    EXPECT_EQ(window.alpha, 254);
    EXPECT_TRUE(t3.Enabled());
}

}  // namespace
}  // namespace vistrel::test
