// Needs a shell with a notification area: run in Wine's taskbar desktop.
#include "notify_icon.h"

#include <gtest/gtest.h>

#include <string>

#include "test_window.h"

namespace vistrel::win {
namespace {

constexpr UINT kCallback = WM_APP + 100;

// The shell only modifies an icon it has.
bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void ShellDropsIcon(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    ::Shell_NotifyIconW(NIM_DELETE, &data);
}

HICON SharedIcon() { return ::LoadIconW(nullptr, IDI_APPLICATION); }

TEST(NotifyIcon, AddShowsItAndRemoveTakesItAway) {
    const test::TestWindow window;
    NotifyIcon icon(window.Handle(), 1, kCallback, SharedIcon(), L"Vistrel 提醒");
    ASSERT_FALSE(ShellHasIcon(window.Handle(), 1));
    ASSERT_TRUE(icon.Add());
    EXPECT_TRUE(ShellHasIcon(window.Handle(), 1));
    icon.Remove();
    EXPECT_FALSE(ShellHasIcon(window.Handle(), 1));
}

TEST(NotifyIcon, DestructorRemovesIt) {
    const test::TestWindow window;
    {
        NotifyIcon icon(window.Handle(), 2, kCallback, SharedIcon(), L"Vistrel");
        ASSERT_TRUE(icon.Add());
    }
    EXPECT_FALSE(ShellHasIcon(window.Handle(), 2));
}

// What Restore() does after the taskbar was (re)created.
struct RestoreCase {
    const char* name;
    bool add;
    bool shellLostIt;
    bool removed;
    bool restored;  // Restore()'s answer, and whether the shell has the icon afterwards
};

class NotifyIconRestore : public testing::TestWithParam<RestoreCase> {};

TEST_P(NotifyIconRestore, PutsTheIconBackOnlyWhenWanted) {
    const RestoreCase& c = GetParam();
    const test::TestWindow window;
    constexpr UINT kId = 3;
    NotifyIcon icon(window.Handle(), kId, kCallback, SharedIcon(), L"Vistrel");
    if (c.add) {
        ASSERT_TRUE(icon.Add());
    }
    if (c.shellLostIt) ShellDropsIcon(window.Handle(), kId);
    if (c.removed) icon.Remove();

    EXPECT_EQ(icon.Restore(), c.restored);
    EXPECT_EQ(ShellHasIcon(window.Handle(), kId), c.restored);
}

INSTANTIATE_TEST_SUITE_P(, NotifyIconRestore,
                         testing::Values(RestoreCase{"AfterTheShellLostIt", true, true, false, true},
                                         RestoreCase{"WhileTheShellHasIt", true, false, false, true},
                                         RestoreCase{"AfterRemove", true, false, true, false},
                                         RestoreCase{"BeforeAdd", false, false, false, false}),
                         [](const auto& test) { return std::string{test.param.name}; });

TEST(NotifyIcon, TaskbarCreatedIsTheShellsRegisteredMessage) {
    EXPECT_EQ(NotifyIcon::TaskbarCreatedMessage(), ::RegisterWindowMessageW(L"TaskbarCreated"));
    EXPECT_GE(NotifyIcon::TaskbarCreatedMessage(), 0xC000U);
}

}  // namespace
}  // namespace vistrel::win
