// The link "访问软件主页" on the settings window: underlined while the
// pointer is over it, and a click asks the shell to open the home page.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "e2e_setup.h"
#include "input.h"
#include "main_form_layout.h"
#include "recording_browser.h"
#include "screen_capture.h"
#include "settings_window.h"
#include "tovrix_under_test.h"
#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr Rgb kTextColour{0, 64, 128};
// Six characters of about 12 pixels: an underline runs under them all, a
// stroke of one character spans at most one.
constexpr int kUnderlineRun = 50;
constexpr int kStrokeRun = 30;
// Between the link and the OK button, on the window's bare face.
constexpr POINT kBesideTheLink{120, 195};
constexpr milliseconds kHoverLimit{3'000};
constexpr milliseconds kBrowserLimit{15'000};

// The longest row of pixels in the text colour.
int LongestTextColourRun(const ScreenImage& picture) {
    const RECT area = picture.Area();
    int longest = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        int run = 0;
        for (LONG x = area.left; x < area.right; ++x) {
            run = picture.At(POINT{x, y}) == kTextColour ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

class Link : public testing::Test {
protected:
    void SetUp() override {
        app_.emplace(Tovrix::Start());
        link_ = ChildById(app_->Settings(), layouts::main::Label_url);
        ASSERT_NE(link_, nullptr);
        ASSERT_TRUE(SettingsWindow{app_->Settings()}.WaitUntilDrawn());
    }

    [[nodiscard]] const Tovrix& App() const { return *app_; }
    [[nodiscard]] HWND LinkLabel() const { return link_; }
    [[nodiscard]] POINT Beside() const { return ToScreen(app_->Settings(), kBesideTheLink); }
    [[nodiscard]] ScreenImage Picture() const { return ScreenImage::Capture(WindowRect(link_)); }
    // The link with the pointer resting beside it.
    [[nodiscard]] ScreenImage PlainPicture() const {
        WalkPointer(Beside());
        Pause(milliseconds{300});
        return Picture();
    }

private:
    std::optional<Tovrix> app_;
    HWND link_ = nullptr;
};

TEST_F(Link, IsUnderlinedWhileThePointerIsOverIt) {
    const ScreenImage plain = PlainPicture();
    plain.SaveBmp(E2e().shotsDir / "link_plain.bmp");
    EXPECT_GT(LongestTextColourRun(plain), 0) << "the link's text does not show";
    EXPECT_LT(LongestTextColourRun(plain), kStrokeRun) << "underlined before the pointer came";

    WalkPointer(CentreOf(LinkLabel()));
    EXPECT_TRUE(WaitUntil([&] { return LongestTextColourRun(Picture()) >= kUnderlineRun; }, kHoverLimit))
        << "no underline while the pointer is over the link";
    const ScreenImage underlined = Picture();
    underlined.SaveBmp(E2e().shotsDir / "link_underlined.bmp");
    // Only the underline is new: the characters above it stay as they were.
    EXPECT_LE(plain.Differences(underlined), Width(plain.Area()) * 2);
}

TEST_F(Link, LosesItsUnderlineWhenThePointerLeaves) {
    const ScreenImage plain = PlainPicture();
    for (int pass = 1; pass <= 3; ++pass) {
        WalkPointer(CentreOf(LinkLabel()));
        ASSERT_TRUE(WaitUntil([&] { return LongestTextColourRun(Picture()) >= kUnderlineRun; }, kHoverLimit))
            << "no underline on pass " << pass;
        WalkPointer(Beside());
        ASSERT_TRUE(WaitUntil([&] { return plain.Differences(Picture()) == 0; }, kHoverLimit))
            << "the underline stayed after the pointer left, pass " << pass;
    }
}

TEST_F(Link, ClickAsksTheShellToOpenTheHomePage) {
    const RecordingBrowser browser;
    ClickLeft(CentreOf(LinkLabel()));
    const std::optional<std::string> address = browser.WaitForAddress(kBrowserLimit);
    ASSERT_TRUE(address.has_value()) << "no browser was asked to open anything";
    EXPECT_TRUE(address->starts_with("http://")) << *address;
    EXPECT_TRUE(address->ends_with("/tovrix.html")) << *address;
    EXPECT_TRUE(App().Process().Running());
    EXPECT_TRUE(Visible(App().Settings()));
}

}  // namespace
}  // namespace vistrel::e2e
