#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "pace.h"
#include "unique_handle.h"

namespace vistrel::soak {

// A program started by the driver. Whatever still runs when the object
// goes is terminated: no copy is left behind for the next run.
class LaunchedProcess {
public:
    // Throws if the program cannot be started.
    static LaunchedProcess Start(const std::wstring& exePath);

    LaunchedProcess(LaunchedProcess&&) noexcept = default;
    LaunchedProcess& operator=(LaunchedProcess&&) noexcept = default;
    ~LaunchedProcess();

    [[nodiscard]] DWORD Id() const noexcept { return id_; }
    [[nodiscard]] bool Running() const;
    // The exit code, or nothing if it still runs after limitMs.
    [[nodiscard]] std::optional<DWORD> WaitForExit(const Pace& pace, double limitMs) const;

private:
    LaunchedProcess(win::UniqueKernelHandle process, DWORD id) noexcept : process_(std::move(process)), id_(id) {}

    win::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace vistrel::soak
