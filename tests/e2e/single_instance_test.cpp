// Starting the program: one copy runs; any further copy says so and ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "child_process.h"
#include "e2e_setup.h"
#include "input.h"
#include "message_box.h"
#include "tovrix_under_test.h"
#include "window_lookup.h"
#include "window_state.h"

namespace vistrel::e2e {
namespace {

constexpr wchar_t kSettingsCaption[] = L"Vistrel V2.0";
constexpr wchar_t kAlreadyRunningText[] = L"“Vistrel”已运行！";
constexpr wchar_t kAlreadyRunningCaption[] = L"请注意";
constexpr milliseconds kExitLimit{10'000};

// Settings windows of every process on the desktop.
std::vector<HWND> AllSettingsWindows() { return TopLevelWindows(kSettingsClass); }

void ExpectRefusalBox(HWND box) {
    EXPECT_EQ(WindowText(box), kAlreadyRunningCaption);
    EXPECT_EQ(MessageBoxText(box), kAlreadyRunningText);
    EXPECT_TRUE(MessageBoxShowsIcon(box));
}

// Which of the boxes the user sees where its OK button is.
std::optional<std::size_t> FrontMost(const std::vector<HWND>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i] == nullptr) continue;
        HWND hit = ::WindowFromPoint(CentreOf(::GetDlgItem(boxes[i], IDOK)));
        const auto front = std::find(boxes.begin(), boxes.end(), ::GetAncestor(hit, GA_ROOT));
        if (front != boxes.end()) return static_cast<std::size_t>(front - boxes.begin());
    }
    return std::nullopt;
}

// Drags a window upwards by its caption.
void DragAside(HWND window) {
    const POINT clientOrigin = ToScreen(window, POINT{0, 0});
    const POINT caption{clientOrigin.x + 40, clientOrigin.y - ::GetSystemMetrics(SM_CYSMCAPTION) / 2};
    const RECT before = WindowRect(window);
    DragLeft(caption, POINT{caption.x, caption.y - 250}, 10);
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(window) != before; }, milliseconds{2'000}))
        << "the settings window did not move aside";
}

void ClickOkOf(HWND box) {
    HWND ok = ::GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr) << "the message box has no OK button";
    ClickLeft(CentreOf(ok));
}

TEST(SingleInstance, FirstStartShowsSettingsWindowWithHiddenPopup) {
    Tovrix app = Tovrix::Start();
    EXPECT_EQ(WindowText(app.Settings()), kSettingsCaption);
    EXPECT_TRUE(Visible(app.Settings()));
    EXPECT_EQ(AllSettingsWindows(), std::vector<HWND>{app.Settings()});
    EXPECT_EQ(TopLevelWindows(app.Process().Id(), kTipClass), std::vector<HWND>{app.Tip()});
    EXPECT_FALSE(Visible(app.Tip()));
    EXPECT_TRUE(app.Process().Running());
}

enum class Dismissal { ClickOk, PressEnter };

class SecondStart : public testing::TestWithParam<Dismissal> {};

TEST_P(SecondStart, ShowsRefusalAndEndsLeavingFirstCopyAlone) {
    Tovrix first = Tovrix::Start();
    const RECT firstRect = WindowRect(first.Settings());

    ChildProcess second = ChildProcess::Launch(E2e().tovrixPath);
    HWND box = WaitForMessageBox(second.Id(), kWindowLimit);
    ASSERT_NE(box, nullptr) << "the second copy showed no message box";
    ExpectRefusalBox(box);
    EXPECT_EQ(TopLevelWindows(first.Process().Id(), kDialogClass), std::vector<HWND>{});
    for (HWND settings : TopLevelWindows(second.Id(), kSettingsClass)) EXPECT_FALSE(Visible(settings));

    if (GetParam() == Dismissal::ClickOk) {
        ClickOkOf(box);
    } else {
        ASSERT_TRUE(WaitUntil([box] { return ::GetForegroundWindow() == box; }, kWindowLimit))
            << "the message box never came to the front";
        PressKey(VK_RETURN);
    }
    EXPECT_EQ(second.WaitForExit(kExitLimit), std::optional<DWORD>{0});

    EXPECT_TRUE(first.Process().Running());
    EXPECT_EQ(AllSettingsWindows(), std::vector<HWND>{first.Settings()});
    EXPECT_TRUE(Visible(first.Settings()));
    EXPECT_EQ(WindowRect(first.Settings()), firstRect);
    EXPECT_FALSE(Visible(first.Tip()));
}

INSTANTIATE_TEST_SUITE_P(Dismissed, SecondStart, testing::Values(Dismissal::ClickOk, Dismissal::PressEnter),
                         [](const testing::TestParamInfo<Dismissal>& param) {
                             return param.param == Dismissal::ClickOk ? "ByClickingOk" : "ByPressingEnter";
                         });

TEST(SingleInstance, StartsAgainAfterCancelEndedFirstCopy) {
    {
        Tovrix first = Tovrix::Start();
        first.ClickCancel();
        EXPECT_EQ(first.Process().WaitForExit(kExitLimit), std::optional<DWORD>{0});
    }
    Tovrix again = Tovrix::Start();
    EXPECT_EQ(WindowText(again.Settings()), kSettingsCaption);
    EXPECT_EQ(WaitForMessageBox(again.Process().Id(), milliseconds{1000}), nullptr);
}

TEST(SingleInstance, ManyCopiesStartedAtOnceLeaveExactlyOneRunning) {
    constexpr int kCopies = 5;
    std::vector<ChildProcess> copies;
    for (int i = 0; i < kCopies; ++i) copies.push_back(ChildProcess::Launch(E2e().tovrixPath));

    // Each copy either shows its settings window or refuses with the box.
    std::vector<HWND> settings(kCopies, nullptr);
    std::vector<HWND> boxes(kCopies, nullptr);
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const DWORD id = copies[i].Id();
        ASSERT_TRUE(WaitUntil(
            [&] {
                settings[i] = WaitForTopLevelWindow(id, kSettingsClass, milliseconds{0}, true);
                boxes[i] = WaitForMessageBox(id, milliseconds{0});
                return settings[i] != nullptr || boxes[i] != nullptr;
            },
            kWindowLimit))
            << "copy " << i << " showed nothing";
    }
    const auto running = std::count_if(settings.begin(), settings.end(), [](HWND w) { return w != nullptr; });
    const auto refused = std::count_if(boxes.begin(), boxes.end(), [](HWND w) { return w != nullptr; });
    EXPECT_EQ(running, 1);
    EXPECT_EQ(refused, kCopies - 1);

    for (HWND box : boxes) {
        if (box != nullptr) ExpectRefusalBox(box);
    }
    // The boxes lie on top of each other, and the running copy's settings
    // window may cover them all: the user drags it aside, then dismisses
    // whichever box is in front until none is left.
    const auto survivor = std::find_if(settings.begin(), settings.end(), [](HWND w) { return w != nullptr; });
    ASSERT_NE(survivor, settings.end());
    bool draggedAside = false;
    for (int left = static_cast<int>(refused); left > 0; --left) {
        auto front = FrontMost(boxes);
        if (!front && !draggedAside) {
            DragAside(*survivor);
            draggedAside = true;
            front = FrontMost(boxes);
        }
        ASSERT_TRUE(front.has_value()) << "no refusal box is in front";
        ClickOkOf(boxes[*front]);
        // The click ends whichever box was in front when it landed.
        std::optional<std::size_t> ended;
        const bool one = WaitUntil(
            [&] {
                for (std::size_t i = 0; i < boxes.size(); ++i) {
                    if (boxes[i] != nullptr && !copies[i].Running()) ended = i;
                }
                return ended.has_value();
            },
            kExitLimit);
        ASSERT_TRUE(one) << "a click on OK ended no copy";
        EXPECT_EQ(copies[*ended].WaitForExit(milliseconds{0}), std::optional<DWORD>{0}) << "copy " << *ended;
        boxes[*ended] = nullptr;
    }
    for (std::size_t i = 0; i < copies.size(); ++i) {
        if (settings[i] == nullptr) continue;
        EXPECT_TRUE(copies[i].Running());
        EXPECT_TRUE(Visible(settings[i]));
        EXPECT_EQ(AllSettingsWindows(), std::vector<HWND>{settings[i]});
    }
}

}  // namespace
}  // namespace vistrel::e2e
