#include "launched_process.h"

#include <filesystem>
#include <stdexcept>

namespace vistrel::soak {

LaunchedProcess LaunchedProcess::Start(const std::wstring& exePath) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    const std::wstring folder = std::filesystem::path{exePath}.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start the program, error " + std::to_string(::GetLastError()));
    }
    ::CloseHandle(info.hThread);
    return LaunchedProcess{win::UniqueKernelHandle{info.hProcess}, info.dwProcessId};
}

LaunchedProcess::~LaunchedProcess() {
    if (!Running()) return;
    ::TerminateProcess(process_.get(), 255);
    ::WaitForSingleObject(process_.get(), 5000);
}

bool LaunchedProcess::Running() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> LaunchedProcess::WaitForExit(const Pace& pace, double limitMs) const {
    const auto waitMs = static_cast<DWORD>(limitMs * pace.Rate());
    if (!process_ || ::WaitForSingleObject(process_.get(), waitMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!::GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

}  // namespace vistrel::soak
