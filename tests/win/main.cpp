// GoogleTest's main, which also leaves the exit code where
// tools/wine-desktop-run.sh looks for it: Wine's explorer does not pass it on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "unique_handle.h"

namespace {

void ReportExitCode(int code) {
    wchar_t path[MAX_PATH]{};
    const DWORD length = ::GetEnvironmentVariableW(L"VISTREL_EXIT_FILE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    HANDLE opened = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // The wrapper takes null, not INVALID_HANDLE_VALUE, for "none".
    if (opened == INVALID_HANDLE_VALUE) return;
    const vistrel::win::UniqueKernelHandle file(opened);
    const std::string text = std::to_string(code) + "\n";
    DWORD written = 0;
    ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ReportExitCode(result);
    return result;
}
