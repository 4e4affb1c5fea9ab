#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "polling.h"
#include "unique_handle.h"

namespace vistrel::e2e {

// A program started by a test. Whatever is still running when the object
// goes is terminated, so no test leaves a copy behind for the next one.
class ChildProcess {
public:
    // Throws if the program cannot be started.
    static ChildProcess Launch(const std::wstring& exePath);

    ChildProcess(ChildProcess&&) noexcept = default;
    ChildProcess& operator=(ChildProcess&&) noexcept = default;
    ~ChildProcess();

    [[nodiscard]] DWORD Id() const noexcept { return id_; }
    [[nodiscard]] bool Running() const;
    // The exit code, or nothing if it still runs after the limit.
    [[nodiscard]] std::optional<DWORD> WaitForExit(milliseconds limit) const;
    void Terminate() noexcept;

private:
    ChildProcess(win::UniqueKernelHandle process, DWORD id) noexcept : process_(std::move(process)), id_(id) {}

    win::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace vistrel::e2e
