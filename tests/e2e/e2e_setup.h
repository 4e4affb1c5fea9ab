#pragma once

#include <filesystem>
#include <string>

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

}  // namespace vistrel::e2e
