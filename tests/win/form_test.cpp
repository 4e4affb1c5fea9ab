#include "form.h"

#include <gtest/gtest.h>

#include <string>

#include "application.h"
#include "message_loop.h"
#include "test_form.h"
#include "unique_handle.h"

namespace vistrel::win {
namespace {

using test::kTestForm;
using test::TestForm;

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[256]{};
    return std::wstring(name, static_cast<std::size_t>(::GetClassNameW(hwnd, name, 256)));
}

std::string Narrow(std::wstring_view text) {
    std::string out(text.size() * 4, '\0');
    out.resize(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                              out.data(), static_cast<int>(out.size()), nullptr,
                                                              nullptr)));
    return out;
}

// Position relative to the parent's client area, and size.
RECT PlaceInParent(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return RECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

const wchar_t* ExpectedClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return L"Static";
    case ControlKind::SpeedButton: return L"VistrelSpeedButton";
    case ControlKind::Panel: return L"VistrelPanel";
    case ControlKind::Edit: return L"Edit";
    case ControlKind::UpDown: return L"msctls_updown32";
    }
    return L"";
}

class FormTest : public testing::Test {
protected:
    FormTest() { application.Initialize(); }
    Application application{::GetModuleHandleW(nullptr)};
};

TEST_F(FormTest, IsBuiltAsItsLayoutSays) {
    const TestForm& form = *application.CreateForm<TestForm>();
    ASSERT_NE(form.Handle(), nullptr);
    EXPECT_EQ(ClassName(form.Handle()), kTestForm.className);
    EXPECT_EQ(Narrow(WindowText(form.Handle())), Narrow(kTestForm.caption));
    RECT client{};
    ::GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, kTestForm.clientWidth);
    EXPECT_EQ(client.bottom, kTestForm.clientHeight);
    ASSERT_NE(form.Font(), nullptr);

    for (const ControlSpec& entry : kTestForm.controls) {
        SCOPED_TRACE(entry.id);
        HWND control = form.Control(entry.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(::GetDlgCtrlID(control), entry.id);
        EXPECT_EQ(::GetParent(control), entry.parentId == 0 ? form.Handle() : form.Control(entry.parentId));
        EXPECT_EQ(ClassName(control), ExpectedClass(entry.kind));
        const RECT place = PlaceInParent(control);
        EXPECT_EQ(place.left, entry.left);
        EXPECT_EQ(place.top, entry.top);
        EXPECT_EQ(place.right, entry.width);
        EXPECT_EQ(place.bottom, entry.height);
        EXPECT_EQ(Narrow(WindowText(control)), Narrow(entry.caption));
        EXPECT_TRUE(::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE);
        EXPECT_EQ(::GetWindowLongW(control, GWL_STYLE) & static_cast<LONG>(entry.style), static_cast<LONG>(entry.style));
        // A panel draws no text and keeps no font.
        if (entry.kind != ControlKind::Panel) {
            EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), form.Font());
        }
    }
    EXPECT_EQ(form.Control(999), nullptr);
}

// A face that is not installed must not leave the controls in the system's
// bitmap font. The prefix maps the program's Chinese face onto a Debian font.
TEST(LayoutFont, KeepsAnInstalledFaceAndFallsBackToTheMessageFont) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    struct Case {
        std::wstring_view face;
        std::wstring_view expected;
    };
    const std::wstring_view messageFace = metrics.lfMessageFont.lfFaceName;
    for (const Case& c : {Case{L"WenQuanYi Micro Hei", L"WenQuanYi Micro Hei"}, Case{L"微软雅黑", L"微软雅黑"},
                          Case{L"No Such Face 9", messageFace}}) {
        SCOPED_TRACE(Narrow(c.face));
        const UniqueFont font = CreateLayoutFont(FontSpec{c.face, -12, FixedColour(0), DEFAULT_CHARSET}, true);
        LOGFONTW made{};
        ASSERT_EQ(::GetObjectW(font.get(), sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_EQ(Narrow(made.lfFaceName), Narrow(c.expected));
        EXPECT_EQ(made.lfHeight, -12);
        EXPECT_TRUE(made.lfUnderline);
    }
}

TEST_F(FormTest, PanelPassesItsChildrensCommandsToTheForm) {
    TestForm& form = *application.CreateForm<TestForm>();
    HWND button = form.Control(test::kPanelButton);
    HWND edit = form.Control(test::kEdit);
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::SetWindowTextW(edit, L"20");  // the edit reports EN_CHANGE

    bool clicked = false;
    bool changed = false;
    for (const test::Command& c : form.commands) {
        clicked |= c.id == test::kPanelButton && c.code == BN_CLICKED && c.from == button;
        changed |= c.id == test::kEdit && c.code == EN_CHANGE && c.from == edit;
    }
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(changed);
}

TEST_F(FormTest, CloseHidesAFormThatIsNotTheMainOne) {
    application.CreateForm<TestForm>();
    TestForm& second = *application.CreateForm<TestForm>();
    second.Show();
    ASSERT_TRUE(second.Visible());

    second.Close();

    EXPECT_FALSE(second.Visible());
    EXPECT_TRUE(::IsWindow(second.Handle()));
    EXPECT_FALSE(application.Terminated());
    MSG quit{};
    EXPECT_FALSE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

bool watchdogFired = false;

void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
    watchdogFired = true;
    ::PostQuitMessage(0);
}

// Ends a message loop that would otherwise never end.
class WatchdogTimer {
public:
    explicit WatchdogTimer(UINT ms) noexcept : id_(::SetTimer(nullptr, 0, ms, Watchdog)) { watchdogFired = false; }
    WatchdogTimer(const WatchdogTimer&) = delete;
    WatchdogTimer& operator=(const WatchdogTimer&) = delete;
    ~WatchdogTimer() { ::KillTimer(nullptr, id_); }

private:
    UINT_PTR id_;
};

TEST_F(FormTest, ClosingTheMainFormEndsTheApplicationsLoop) {
    const TestForm& main = *application.CreateForm<TestForm>();
    const TestForm& second = *application.CreateForm<TestForm>();
    const WatchdogTimer watchdog(5000);
    // The close box, once the loop runs.
    ASSERT_TRUE(::PostMessageW(main.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0));

    application.Run();

    EXPECT_FALSE(watchdogFired) << "the loop did not end";
    EXPECT_TRUE(application.Terminated());
    EXPECT_FALSE(main.Visible());
    EXPECT_FALSE(second.Visible());
}

TEST_F(FormTest, RunDoesNotStartOnceTerminated) {
    const TestForm& main = *application.CreateForm<TestForm>();
    application.Terminate();
    MSG quit{};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    const WatchdogTimer watchdog(1000);
    application.Run();
    EXPECT_FALSE(watchdogFired);
    EXPECT_FALSE(main.Visible());
}

TEST_F(FormTest, ApplicationDestroysItsFormsWhenItGoes) {
    HWND main = nullptr;
    HWND second = nullptr;
    {
        Application owner(::GetModuleHandleW(nullptr));
        owner.Initialize();
        main = owner.CreateForm<TestForm>()->Handle();
        second = owner.CreateForm<TestForm>()->Handle();
        ASSERT_TRUE(::IsWindow(main) && ::IsWindow(second));
    }
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_FALSE(::IsWindow(second));
}

}  // namespace
}  // namespace vistrel::win
