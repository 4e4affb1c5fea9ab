// Pictures of the program as the user sees it, taken from inside the Wine
// desktop and kept for people to look at.
#include <gtest/gtest.h>

#include "e2e_setup.h"
#include "screen_capture.h"
#include "tip_form_layout.h"
#include "tovrix_under_test.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr milliseconds kDrawLimit{3'000};

bool Reddish(Rgb c) { return c.r >= 200 && c.g <= 80 && c.b <= 80; }
bool Yellowish(Rgb c) { return c.r >= 200 && c.g >= 200 && c.b <= 80; }

TEST(Screenshots, SettingsWindowAndRisenPopup) {
    Tovrix app = Tovrix::Start();
    const RECT settings = WindowRect(app.Settings());
    // Just inside the client area, outside the panel.
    const POINT face = ToScreen(app.Settings(), POINT{3, 3});
    const Rgb buttonFace = ToRgb(::GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(WaitUntil([&] { return ScreenImage::Capture(settings).At(face) == buttonFace; }, kDrawLimit))
        << "the settings window does not show in a picture of the screen";
    ScreenImage::CaptureWholeScreen().SaveBmp(E2e().shotsDir / "settings_window.bmp");

    // Hidden, it leaves the desktop behind: the pictures are live.
    app.ClickOk();
    EXPECT_TRUE(WaitUntil([&] { return ScreenImage::Capture(settings).At(face) != buttonFace; }, kDrawLimit));

    app.BringReminder();
    ASSERT_TRUE(WaitUntil([&] { return LayeredAlpha(app.Tip()) == std::optional<BYTE>{255}; }, milliseconds{6'000}))
        << "the pop-up did not rise";
    const RECT tip = WindowRect(app.Tip());
    const ScreenImage popup = ScreenImage::Capture(tip);
    ScreenImage::CaptureWholeScreen().SaveBmp(E2e().shotsDir / "screen_with_popup.bmp");
    popup.SaveBmp(E2e().shotsDir / "popup.bmp");

    EXPECT_EQ(popup.At(ToScreen(app.Tip(), POINT{2, 2})), (Rgb{255, 255, 0})) << "yellow frame";
    EXPECT_EQ(popup.At(ToScreen(app.Tip(), POINT{120, 30})), (Rgb{0, 128, 0})) << "green surface";
    // The picture: a yellow bell and yellow words with a red clapper.
    constexpr auto picture = layouts::tip::kImage1;
    const POINT pictureTopLeft = ToScreen(app.Tip(), POINT{picture.left, picture.top});
    const RECT pictureArea{pictureTopLeft.x, pictureTopLeft.y, pictureTopLeft.x + picture.width,
                           pictureTopLeft.y + picture.height};
    EXPECT_GE(popup.Count(pictureArea, Reddish), 10) << "no red clapper";
    EXPECT_GE(popup.Count(pictureArea, Yellowish), 1'000) << "no yellow bell and words";
    // The close button: a raised face with its "×".
    const POINT closeTopLeft = ToScreen(app.Tip(), POINT{249, 8});
    const RECT closeArea{closeTopLeft.x, closeTopLeft.y, closeTopLeft.x + 17, closeTopLeft.y + 17};
    const Rgb buttonText = ToRgb(::GetSysColor(COLOR_BTNTEXT));
    EXPECT_GE(popup.Count(closeArea, [&](Rgb c) { return c == buttonFace; }), 100) << "no button face";
    EXPECT_GE(popup.Count(closeArea, [&](Rgb c) { return c == buttonText; }), 5) << "no × on the button";
}

}  // namespace
}  // namespace vistrel::e2e
