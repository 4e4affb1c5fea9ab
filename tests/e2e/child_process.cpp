#include "child_process.h"

#include <filesystem>
#include <stdexcept>

namespace vistrel::e2e {

ChildProcess ChildProcess::Launch(const std::wstring& exePath) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    const std::wstring folder = std::filesystem::path{exePath}.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        throw std::runtime_error("CreateProcessW failed, error " + std::to_string(::GetLastError()));
    }
    ::CloseHandle(info.hThread);
    return ChildProcess{win::UniqueKernelHandle{info.hProcess}, info.dwProcessId};
}

ChildProcess::~ChildProcess() { Terminate(); }

bool ChildProcess::Running() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ChildProcess::WaitForExit(milliseconds limit) const {
    if (!process_ || ::WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!::GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

void ChildProcess::Terminate() noexcept {
    if (!Running()) return;
    ::TerminateProcess(process_.get(), 255);
    ::WaitForSingleObject(process_.get(), 5000);
}

}  // namespace vistrel::e2e
