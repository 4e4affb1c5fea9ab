// Runs the end-to-end tests and leaves the result where the Wine desktop
// wrapper reads it: Wine's explorer does not pass an exit code on.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <exception>
#include <string>

#include "e2e_setup.h"

namespace {

void WriteExitFile(int code) {
    std::array<wchar_t, MAX_PATH * 4> path{};
    const DWORD n = ::GetEnvironmentVariableW(L"VISTREL_EXIT_FILE", path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size()) return;
    if (FILE* file = ::_wfopen(path.data(), L"w"); file != nullptr) {
        std::fprintf(file, "%d\n", code);
        std::fclose(file);
    }
}

int RunTests(int argc, wchar_t** argv) {
    try {
        testing::InitGoogleTest(&argc, argv);
        vistrel::e2e::InitE2eSetup(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "e2e: %s\n", e.what());
        return 2;
    }
    const int result = RUN_ALL_TESTS();
    // A filter that matches nothing must not pass for a run.
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "e2e: no test matched the filter\n");
        return 3;
    }
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int code = RunTests(argc, argv);
    WriteExitFile(code);
    return code;
}
