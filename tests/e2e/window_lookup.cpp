#include "window_lookup.h"

#include <array>
#include <type_traits>

namespace vistrel::e2e {
namespace {

// A named CALLBACK, not a lambda: 32-bit Windows wants stdcall.
template <typename Visit>
BOOL CALLBACK VisitWindow(HWND window, LPARAM visit) {
    (*reinterpret_cast<Visit*>(visit))(window);
    return TRUE;
}

template <typename Visit>
void ForEachTopLevel(Visit&& visit) {
    using V = std::remove_reference_t<Visit>;
    ::EnumWindows(VisitWindow<V>, reinterpret_cast<LPARAM>(&visit));
}

template <typename Visit>
void ForEachDescendant(HWND parent, Visit&& visit) {
    using V = std::remove_reference_t<Visit>;
    ::EnumChildWindows(parent, VisitWindow<V>, reinterpret_cast<LPARAM>(&visit));
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

std::vector<HWND> TopLevelWindows(std::wstring_view className) {
    std::vector<HWND> found;
    ForEachTopLevel([&](HWND window) {
        if (ClassName(window) == className) found.push_back(window);
    });
    return found;
}

std::vector<HWND> TopLevelWindows(DWORD processId, std::wstring_view className) {
    std::vector<HWND> found;
    ForEachTopLevel([&](HWND window) {
        if (OwningProcess(window) == processId && ClassName(window) == className) found.push_back(window);
    });
    return found;
}

HWND WaitForTopLevelWindow(DWORD processId, std::wstring_view className, milliseconds limit, bool mustBeVisible) {
    HWND found = nullptr;
    const bool ok = WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(processId, className)) {
                if (!mustBeVisible || ::IsWindowVisible(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        limit);
    return ok ? found : nullptr;
}

HWND ChildById(HWND parent, int id) {
    HWND found = nullptr;
    ForEachDescendant(parent, [&](HWND window) {
        if (found == nullptr && ::GetDlgCtrlID(window) == id) found = window;
    });
    return found;
}

std::vector<HWND> ChildrenOfClass(HWND parent, std::wstring_view className) {
    std::vector<HWND> found;
    ForEachDescendant(parent, [&](HWND window) {
        if (ClassName(window) == className) found.push_back(window);
    });
    return found;
}

}  // namespace vistrel::e2e
