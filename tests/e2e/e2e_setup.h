#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vistrel::e2e {

// What the test program is told from outside: the program under test and
// where screenshots go.
struct E2eSetup {
    std::wstring tovrixPath;
    std::filesystem::path shotsDir;
};

// Takes --tovrix=PATH (a Windows path, or a Unix one when run under Wine)
// from what GoogleTest left of the command line; screenshots go to the
// folder in VISTREL_E2E_SHOTS, or to shots\ next to the test program.
void InitE2eSetup(int argc, wchar_t** argv);

[[nodiscard]] const E2eSetup& E2e();

// The Windows locale this run sees, such as "en-US" or "zh-CN".
[[nodiscard]] std::wstring UserLocaleName();
// A screenshot's file in the shots folder, named after the locale too, so
// that groups run under other locales keep their own pictures.
[[nodiscard]] std::filesystem::path LocaleShotFile(std::wstring_view name);

}  // namespace vistrel::e2e
