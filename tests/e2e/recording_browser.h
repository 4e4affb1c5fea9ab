#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "polling.h"

namespace vistrel::e2e {

// Stands in for the user's web browser: Wine's browser setting
// (HKCU\Software\Wine\WineBrowser, value Browsers) points at a shell script
// that writes the address it is given to a file. The old setting comes
// back when the object goes.
class RecordingBrowser {
public:
    // Throws if the script or the setting cannot be written.
    RecordingBrowser();
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;
    ~RecordingBrowser();

    // The address the browser was asked to open, once it has been.
    [[nodiscard]] std::optional<std::string> WaitForAddress(milliseconds limit) const;

private:
    std::filesystem::path folder_;
    std::filesystem::path record_;
    std::optional<std::wstring> previous_;
};

}  // namespace vistrel::e2e
