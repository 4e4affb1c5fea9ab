#include "desktop.h"

#include <array>
#include <type_traits>

namespace vistrel::soak {
namespace {

constexpr wchar_t kTaskbarClass[] = L"Shell_TrayWnd";
// Later Wines give each notification icon a child window of the taskbar.
constexpr wchar_t kTrayIconClass[] = L"__wine_tray_icon";
constexpr int kTrayIconBorder = 2;
constexpr wchar_t kMenuClass[] = L"#32768";

// A named CALLBACK, not a lambda: 32-bit Windows wants stdcall.
template <typename Visit>
BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
    return (*reinterpret_cast<Visit*>(context))(window) ? TRUE : FALSE;
}

template <typename Visit>
void ForEachTopLevel(Visit&& visit) {
    ::EnumWindows(VisitWindow<std::remove_reference_t<Visit>>, reinterpret_cast<LPARAM>(&visit));
}

template <typename Visit>
void ForEachDescendant(HWND parent, Visit&& visit) {
    ::EnumChildWindows(parent, VisitWindow<std::remove_reference_t<Visit>>, reinterpret_cast<LPARAM>(&visit));
}

}  // namespace

std::wstring ClassName(HWND window) {
    std::array<wchar_t, 256> name{};
    const int n = ::GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring{name.data(), static_cast<std::size_t>(n > 0 ? n : 0)};
}

DWORD OwningProcess(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    return processId;
}

RECT WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

bool Visible(HWND window) { return ::IsWindowVisible(window) != FALSE; }

HWND FindTopLevel(DWORD processId, std::wstring_view className, bool visibleOnly) {
    HWND found = nullptr;
    ForEachTopLevel([&](HWND window) {
        if (OwningProcess(window) == processId && ClassName(window) == className && (!visibleOnly || Visible(window))) {
            found = window;
            return false;
        }
        return true;
    });
    return found;
}

HWND ChildById(HWND parent, int id) {
    HWND found = nullptr;
    ForEachDescendant(parent, [&](HWND window) {
        if (::GetDlgCtrlID(window) != id) return true;
        found = window;
        return false;
    });
    return found;
}

HWND Taskbar() { return ::FindWindowW(kTaskbarClass, nullptr); }

RECT WorkAreaAboveTaskbar() {
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (HWND taskbar = Taskbar(); taskbar != nullptr && Visible(taskbar)) area.bottom = WindowRect(taskbar).top;
    return area;
}

std::optional<POINT> TrayIconCentre() {
    HWND taskbar = Taskbar();
    if (taskbar == nullptr || !Visible(taskbar)) return std::nullopt;
    std::optional<POINT> centre;
    ForEachDescendant(taskbar, [&](HWND window) {
        if (ClassName(window) != kTrayIconClass || !Visible(window)) return true;
        centre = CentreOf(window);
        return false;
    });
    if (centre) return centre;
    // Wine 8 draws the icons straight onto the taskbar, right to left from
    // its right end, each a small icon with a 2-pixel border.
    const RECT bar = WindowRect(taskbar);
    const int slot = ::GetSystemMetrics(SM_CXSMICON) + 2 * kTrayIconBorder;
    return POINT{bar.right - slot / 2, (bar.top + bar.bottom) / 2};
}

HWND OpenMenu(DWORD processId) {
    HWND found = nullptr;
    ForEachTopLevel([&](HWND window) {
        if (ClassName(window) != kMenuClass || !Visible(window)) return true;
        if (processId != 0 && OwningProcess(window) != processId) return true;
        found = window;
        return false;
    });
    return found;
}

POINT CentreOf(HWND window) {
    const RECT r = WindowRect(window);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

}  // namespace vistrel::soak
