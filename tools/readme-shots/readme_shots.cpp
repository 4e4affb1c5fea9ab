// Brings the program to the two moments the README shows, the settings
// window and a risen reminder, and says "SHOT name left top width height"
// on standard output at each, for the run script to photograph.
#include <windows.h>

#include <cstdio>
#include <string>

#include "main_form_layout.h"

namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kPatienceMs = 20'000;
constexpr UINT_PTR kMinuteTimerId = 1;
constexpr int kRisenHeight = 180;
constexpr int kMargin = 16;

template <typename Ready>
bool WaitFor(Ready ready) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (ready()) return true;
        ::Sleep(kPollMs);
    }
    return false;
}

HWND FindOwnWindow(const wchar_t* className, DWORD processId) {
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, className, nullptr)) != nullptr) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

void Shot(const char* name, HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, r.left - kMargin, r.top - kMargin, r.right - r.left + 2 * kMargin,
                r.bottom - r.top + 2 * kMargin);
    std::fflush(stdout);
    ::Sleep(3000);  // the photographer works from outside
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_shots PATH\\tovrix.exe\n");
        return 2;
    }
    std::wstring command = L"\"" + std::wstring{argv[1]} + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "readme_shots: cannot start the program\n");
        return 1;
    }
    ::CloseHandle(process.hThread);
    const DWORD id = process.dwProcessId;
    int result = 1;
    HWND settings = nullptr;
    HWND tip = nullptr;
    if (WaitFor([&] { return (settings = FindOwnWindow(L"Tfrm_main", id)) != nullptr && ::IsWindowVisible(settings); })) {
        ::Sleep(1000);
        Shot("settings", settings);
        // OK, then ten minute ticks: the default period is over.
        ::SendMessageW(settings, WM_COMMAND, MAKEWPARAM(vistrel::layouts::main::Button1, BN_CLICKED), 0);
        for (int minute = 0; minute < 10; ++minute) ::PostMessageW(settings, WM_TIMER, kMinuteTimerId, 0);
        if (WaitFor([&] {
                RECT r{};
                return (tip = FindOwnWindow(L"Tfrm_tip", id)) != nullptr && ::GetWindowRect(tip, &r) &&
                       r.bottom - r.top == kRisenHeight;
            })) {
            ::Sleep(300);
            Shot("popup", tip);
            result = 0;
        }
    }
    ::TerminateProcess(process.hProcess, 0);
    ::CloseHandle(process.hProcess);
    return result;
}
