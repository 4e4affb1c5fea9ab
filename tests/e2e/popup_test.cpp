// The reminder pop-up on the real window: rise, hold, fade, the close
// button, dragging, its frame, and never taking the user's foreground.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "e2e_setup.h"
#include "frame_check.h"
#include "input.h"
#include "notepad_window.h"
#include "rise_frames.h"
#include "screen_capture.h"
#include "tip_form_layout.h"
#include "tip_recorder.h"
#include "tovrix_under_test.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr int kTipWidth = layouts::tip::kForm.clientWidth;
constexpr int kRisenHeight = 180;
constexpr int kRightMargin = 1;
// On the green surface, above the picture, inside the yellow frame.
constexpr POINT kGreenPoint{120, 30};
// The middle of the close button "×".
constexpr POINT kCloseButtonCentre{249 + 17 / 2, 8 + 17 / 2};
// Clear of the settings window and of the pop-up's corner.
constexpr RECT kNotepadFrame{20, 20, 420, 270};

constexpr milliseconds kRiseLimit{6'000};
constexpr milliseconds kHold{8'000};
constexpr milliseconds kCycleLimit{20'000};

bool Rising(const TipSample& s) { return s.visible && !s.layered && Height(s.rect) > 0; }
bool Held(const TipSample& s) { return s.visible && s.alpha == std::optional<BYTE>{255}; }
bool Fading(const TipSample& s) { return s.visible && s.alpha.has_value() && *s.alpha < 255; }

// Where the pop-up stands once risen: the work area's bottom-right corner,
// one pixel in from its right edge.
RECT RisenRect() {
    const RECT area = WorkArea();
    const int right = area.right - kRightMargin;
    return RECT{right - kTipWidth, area.bottom - kRisenHeight, right, area.bottom};
}

RECT Offset(RECT r, POINT by) {
    ::OffsetRect(&r, by.x, by.y);
    return r;
}

class Popup : public testing::Test {
protected:
    void SetUp() override {
        app_.emplace(Tovrix::Start());
        notepad_.emplace(kNotepadFrame);
        app_->ClickOk();
        ASSERT_TRUE(notepad_->TakeFocusByClick()) << "the notepad window never got the focus";
        recorder_.emplace(app_->Tip());
        app_->BringReminder();
    }

    void TearDown() override {
        if (!recorder_) return;
        recorder_->Stop();
        const auto samples = recorder_->Samples();
        const auto taken = std::find_if(samples.begin(), samples.end(),
                                        [this](const TipSample& s) { return s.foreground == Tip(); });
        EXPECT_TRUE(taken == samples.end())
            << "the pop-up became the foreground window at " << taken->at.count() << " ms";
    }

    [[nodiscard]] const Tovrix& App() const { return *app_; }
    [[nodiscard]] HWND Tip() const { return app_->Tip(); }
    [[nodiscard]] const TipRecorder& Recorder() const { return *recorder_; }
    [[nodiscard]] const NotepadWindow& Notepad() const { return *notepad_; }

    [[nodiscard]] std::optional<TipSample> WaitUntilHeld() const { return Recorder().WaitFor(Held, kRiseLimit); }

    [[nodiscard]] POINT OnTip(POINT client) const { return ToScreen(Tip(), client); }

    void ExpectNotepadKeepsFocus(const char* after) const {
        EXPECT_TRUE(Notepad().HasForegroundAndFocus()) << "the notepad window lost the focus after " << after;
    }

private:
    std::optional<Tovrix> app_;
    std::optional<NotepadWindow> notepad_;
    std::optional<TipRecorder> recorder_;
};

TEST_F(Popup, RisesAtWorkAreaCornerHoldsThenFadesAway) {
    ASSERT_TRUE(Recorder().WaitFor([](const TipSample& s) { return !s.visible && s.layered; }, kCycleLimit))
        << "the pop-up did not come and go";
    ExpectNotepadKeepsFocus("the pop-up came and went");
    const auto samples = Recorder().Samples();
    const RECT risen = RisenRect();

    // Rise: anchored bottom-right, one pixel a step, up to the full height.
    int lastHeight = 0;
    int heightsSeen = 0;
    Clock::duration::rep riseStart = -1;
    Clock::duration::rep riseEnd = -1;
    for (const TipSample& s : samples) {
        if (!Rising(s)) continue;
        if (riseStart < 0) riseStart = s.at.count();
        riseEnd = s.at.count();
        ASSERT_EQ(s.rect.right, risen.right) << "at " << s.at.count() << " ms";
        ASSERT_EQ(s.rect.bottom, risen.bottom) << "at " << s.at.count() << " ms";
        ASSERT_EQ(Width(s.rect), kTipWidth) << "at " << s.at.count() << " ms";
        ASSERT_GE(Height(s.rect), lastHeight) << "shrank at " << s.at.count() << " ms";
        ASSERT_LE(Height(s.rect), kRisenHeight);
        if (Height(s.rect) > lastHeight) ++heightsSeen;
        lastHeight = Height(s.rect);
    }
    EXPECT_GT(heightsSeen, kRisenHeight / 2) << "the rise was not gradual";
    EXPECT_GE(riseEnd - riseStart, 1'000) << "the rise was too quick to see";

    // Hold: risen, layered, opaque, on top, never to be activated.
    const auto held = std::find_if(samples.begin(), samples.end(), Held);
    ASSERT_NE(held, samples.end());
    EXPECT_EQ(held->rect, risen);
    EXPECT_TRUE(held->layered);
    EXPECT_TRUE(HasExStyle(Tip(), WS_EX_TOPMOST | WS_EX_NOACTIVATE));

    // Fade: the opacity only goes down, then the pop-up hides.
    const auto fadeStart = std::find_if(held, samples.end(), Fading);
    ASSERT_NE(fadeStart, samples.end()) << "no fading was seen";
    const auto hidden = std::find_if(fadeStart, samples.end(), [](const TipSample& s) { return !s.visible; });
    ASSERT_NE(hidden, samples.end());
    const auto holdMs = (fadeStart->at - held->at).count();
    EXPECT_GE(holdMs, kHold.count() - 300);
    EXPECT_LE(holdMs, kHold.count() + 1'500);
    int fadeSteps = 0;
    for (auto s = fadeStart; s != hidden; ++s) {
        ASSERT_TRUE(s->alpha.has_value());
        ASSERT_LE(*s->alpha, *(s - 1)->alpha) << "opacity rose at " << s->at.count() << " ms";
        if (*s->alpha < *(s - 1)->alpha) ++fadeSteps;
        EXPECT_EQ(s->rect, risen);
    }
    EXPECT_GT(fadeSteps, 10) << "the fade was not gradual";
    const auto fadeMs = (hidden->at - fadeStart->at).count();
    EXPECT_GE(fadeMs, 1'000);
    EXPECT_LE(fadeMs, 4'000);
}

TEST_F(Popup, CloseButtonStartsFadeAtOnce) {
    ASSERT_TRUE(WaitUntilHeld()) << "the pop-up did not rise";
    const RECT risen = WindowRect(Tip());
    const auto clicked = Clock::now();
    ClickLeft(OnTip(kCloseButtonCentre));
    EXPECT_TRUE(Recorder().WaitFor(Fading, milliseconds{200})) << "no fading within 200 ms of the click";
    ExpectNotepadKeepsFocus("a click on the close button");
    EXPECT_TRUE(Recorder().WaitFor([](const TipSample& s) { return !s.visible; }, milliseconds{3'000}))
        << "still shown 3 s after the click";
    EXPECT_LT(Since(clicked), kHold);
    EXPECT_EQ(WindowRect(Tip()), risen);
}

TEST_F(Popup, ClickOnGreenWhileHeldLeavesItWhereItIsAndTheFocusWithTheUser) {
    ASSERT_TRUE(WaitUntilHeld()) << "the pop-up did not rise";
    const RECT risen = WindowRect(Tip());
    ClickLeft(OnTip(kGreenPoint));
    ExpectNotepadKeepsFocus("a click on the green surface");
    EXPECT_EQ(WindowRect(Tip()), risen);
    EXPECT_TRUE(Visible(Tip()));
}

TEST_F(Popup, DragWhileHeldLeavesTheFocusWithTheUser) {
    ASSERT_TRUE(WaitUntilHeld()) << "the pop-up did not rise";
    const POINT from = OnTip(kGreenPoint);
    DragLeft(from, POINT{from.x - 300, from.y - 200}, 10);
    ExpectNotepadKeepsFocus("a drag on the green surface");
}

class PopupDraggedOnGreen : public Popup, public testing::WithParamInterface<POINT> {};

TEST_P(PopupDraggedOnGreen, WhileHeldFollowsPointer) {
    ASSERT_TRUE(WaitUntilHeld()) << "the pop-up did not rise";
    const RECT start = WindowRect(Tip());
    const POINT from = OnTip(kGreenPoint);
    const POINT move = GetParam();
    constexpr int kSteps = 10;
    PressLeft(from);
    for (int i = 1; i <= kSteps; ++i) {
        const POINT by{move.x * i / kSteps, move.y * i / kSteps};
        MovePointer(POINT{from.x + by.x, from.y + by.y});
        EXPECT_TRUE(WaitUntil([&] { return WindowRect(Tip()) == Offset(start, by); }, milliseconds{500}))
            << "step " << i << ": at " << WindowRect(Tip()) << ", pointer moved by " << by;
    }
    ReleaseLeft(POINT{from.x + move.x, from.y + move.y});
    EXPECT_EQ(WindowRect(Tip()), Offset(start, move));
    EXPECT_TRUE(Visible(Tip()));
}

INSTANTIATE_TEST_SUITE_P(Moves, PopupDraggedOnGreen, testing::Values(POINT{-300, -200}, POINT{-40, 60}),
                         [](const testing::TestParamInfo<POINT>& param) {
                             return param.param.y < 0 ? std::string{"UpLeft"} : std::string{"DownLeft"};
                         });

TEST_F(Popup, NextReminderRisesAtTheCornerAgainAfterADrag) {
    ASSERT_TRUE(WaitUntilHeld()) << "the pop-up did not rise";
    const POINT from = OnTip(kGreenPoint);
    DragLeft(from, POINT{from.x - 300, from.y - 200}, 10);
    ASSERT_NE(WindowRect(Tip()), RisenRect()) << "the drag did not move the pop-up";
    ClickLeft(OnTip(kCloseButtonCentre));
    ASSERT_TRUE(Recorder().WaitFor([](const TipSample& s) { return !s.visible; }, milliseconds{3'000}));

    App().BringReminder();
    const auto held = WaitUntilHeld();
    ASSERT_TRUE(held) << "the next reminder did not rise";
    EXPECT_EQ(held->rect, RisenRect());
}

TEST_F(Popup, StaysAnchoredWhenPressedAndMovedWhileRising) {
    const auto rising = Recorder().WaitFor(
        [](const TipSample& s) { return Rising(s) && Height(s.rect) >= kGreenPoint.y + 30; }, kRiseLimit);
    ASSERT_TRUE(rising) << "the pop-up did not rise";
    const POINT from = OnTip(kGreenPoint);
    const POINT to{from.x - 200, from.y - 100};
    DragLeft(from, to, 10);
    const RECT risen = RisenRect();
    const auto held = WaitUntilHeld();
    ASSERT_TRUE(held) << "the pop-up did not finish rising";
    EXPECT_EQ(held->rect, risen);
    for (const TipSample& s : Recorder().Samples()) {
        if (!Rising(s)) continue;
        ASSERT_EQ(s.rect.right, risen.right) << "moved while rising, at " << s.at.count() << " ms";
        ASSERT_EQ(s.rect.bottom, risen.bottom) << "moved while rising, at " << s.at.count() << " ms";
    }
    ExpectNotepadKeepsFocus("a press on the rising pop-up");
}

TEST_F(Popup, FrameStripsStayEightPixelsWideAtEveryHeight) {
    constexpr int kLowest = 16;
    static constexpr int kSavedHeights[] = {16, 17, 20, 33, 34, 100, 179};
    const RiseFrames frames =
        WatchFrameWhileRising(Tip(), kLowest, kRiseLimit, [](int height, const ScreenImage& image) {
            if (std::ranges::find(kSavedHeights, height) != std::end(kSavedHeights)) {
                image.SaveBmp(E2e().shotsDir / ("popup_rising_" + std::to_string(height) + ".bmp"));
            }
        });
    // The first few heights never seen right, for the failure message.
    std::string wrong;
    int listed = 0;
    for (const auto& [height, fault] : frames.firstFault) {
        if (++listed > 8) break;
        wrong += "\n  " + std::to_string(height) + ": " + fault;
    }
    EXPECT_GE(frames.HeightsSeen(), 100) << "too few pictures of the rise";
    // Where the strips first touch and the first green rows open.
    int lowestRight = 0;
    for (int height = kLowest; height <= kLowest + 4; ++height) {
        if (frames.drawnRight.contains(height) && frames.drawnRight.at(height)) ++lowestRight;
    }
    EXPECT_GE(lowestRight, 4) << wrong;
    // A lone height may only ever have been caught mid-repaint; a drawing
    // fault shows at height after height.
    EXPECT_GE(frames.HeightsDrawnRight() * 10, frames.HeightsSeen() * 9) << wrong;
    EXPECT_LE(frames.LongestWrongRun(), 3) << wrong;

    ASSERT_TRUE(WaitUntilHeld());
    const RECT risen = WindowRect(Tip());
    const ScreenImage image = ScreenImage::Capture(risen);
    const auto faults = FrameFaults(image, risen);
    EXPECT_TRUE(faults.empty()) << "risen: " << faults.size() << " faults, first " << faults.front();
    image.SaveBmp(E2e().shotsDir / "popup_risen.bmp");
}

}  // namespace
}  // namespace vistrel::e2e
