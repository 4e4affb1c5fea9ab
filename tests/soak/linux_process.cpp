#include "linux_process.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cwctype>
#include <sstream>
#include <vector>

#include "unique_handle.h"

namespace vistrel::soak {
namespace {

constexpr wchar_t kProcRoot[] = L"Z:\\proc\\";

class FindHandle {
public:
    explicit FindHandle(HANDLE h) noexcept : handle_(h) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) ::FindClose(handle_);
    }
    [[nodiscard]] HANDLE get() const noexcept { return handle_; }

private:
    HANDLE handle_;
};

// Names of the numeric entries of a /proc folder: processes, or threads.
std::vector<std::wstring> NumericEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    FindHandle find(::FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                       nullptr, 0));
    if (find.get() == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring_view name{found.cFileName};
        if (!name.empty() && std::all_of(name.begin(), name.end(), [](wchar_t c) { return std::iswdigit(c); })) {
            names.emplace_back(name);
        }
    } while (::FindNextFileW(find.get(), &found));
    return names;
}

std::string ReadWholeFile(const std::wstring& path) {
    win::UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        (void)file.release();
        return {};
    }
    std::string text;
    std::array<char, 65536> buffer{};
    DWORD n = 0;
    while (::ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &n, nullptr) && n > 0) {
        text.append(buffer.data(), n);
    }
    return text;
}

// The number after "Field:" in a status-style text; 0 if absent.
std::int64_t StatusField(std::string_view text, std::string_view field) {
    const std::string key = "\n" + std::string{field} + ":";
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos) return 0;
    return std::strtoll(text.data() + at + key.size(), nullptr, 10);
}

// Fields of /proc/PID/stat after the command name, which may hold spaces:
// element 0 is field 3 (state).
std::vector<std::string> StatFields(const std::string& stat) {
    std::vector<std::string> fields;
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return fields;
    std::istringstream in(stat.substr(close + 1));
    for (std::string field; in >> field;) fields.push_back(field);
    return fields;
}

std::int64_t StatField(const std::vector<std::string>& fields, std::size_t number) {
    const std::size_t index = number - 3;
    return index < fields.size() ? std::strtoll(fields[index].c_str(), nullptr, 10) : 0;
}

std::string Ascii(std::wstring_view text) {
    std::string ascii;
    for (const wchar_t c : text) ascii.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return ascii;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The program file's name, lower case, from /proc/PID/cmdline. Wine writes
// a Windows program's whole command line into the first argument
// ("C:\\windows\\system32\\svchost.exe -k ..."): it ends at ".exe".
std::string ProgramFileName(const std::string& cmdline) {
    std::string first = Lower(cmdline.substr(0, cmdline.find('\0')));
    if (const std::size_t exe = first.find(".exe"); exe != std::string::npos) first.resize(exe + 4);
    const std::size_t slash = first.find_last_of("/\\");
    return slash == std::string::npos ? first : first.substr(slash + 1);
}

std::string OwnWinePrefix() {
    std::array<wchar_t, 4096> value{};
    const DWORD n = ::GetEnvironmentVariableW(L"WINEPREFIX", value.data(), static_cast<DWORD>(value.size()));
    return n > 0 && n < value.size() ? Ascii(std::wstring_view{value.data(), n}) : std::string{};
}

bool InPrefix(const std::string& environment, const std::string& prefix) {
    if (prefix.empty()) return true;
    const std::string entry = "WINEPREFIX=" + prefix;
    std::size_t at = 0;
    while (at < environment.size()) {
        const std::size_t end = std::min(environment.find('\0', at), environment.size());
        if (environment.compare(at, end - at, entry) == 0) return true;
        at = end + 1;
    }
    return false;
}

std::wstring ProcPath(int pid, std::wstring_view name) {
    return std::wstring{kProcRoot} + std::to_wstring(pid) + L"\\" + std::wstring{name};
}

}  // namespace

std::string ReadProcFile(std::wstring_view relativePath) {
    std::wstring path = std::wstring{kProcRoot} + std::wstring{relativePath};
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return ReadWholeFile(path);
}

std::optional<LinuxProcess> LinuxProcess::Find(std::wstring_view fileName) {
    const std::string wanted = Lower(Ascii(fileName));
    const std::string prefix = OwnWinePrefix();
    std::optional<LinuxProcess> newest;
    std::int64_t newestStart = -1;
    for (const std::wstring& entry : NumericEntries(kProcRoot)) {
        const int pid = std::stoi(entry);
        const std::string name = ProgramFileName(ReadWholeFile(ProcPath(pid, L"cmdline")));
        if (name.rfind(wanted, 0) != 0) continue;
        // "wineserver" also names "wineserver64"; a program file must match whole.
        if (name != wanted && wanted != "wineserver") continue;
        if (!InPrefix(ReadWholeFile(ProcPath(pid, L"environ")), prefix)) continue;
        const std::int64_t start = StatField(StatFields(ReadWholeFile(ProcPath(pid, L"stat"))), 22);
        if (start > newestStart) {
            newestStart = start;
            newest = LinuxProcess{pid};
        }
    }
    return newest;
}

bool LinuxProcess::Alive() const {
    const std::vector<std::string> fields = StatFields(ReadWholeFile(ProcPath(pid_, L"stat")));
    return !fields.empty() && fields.front() != "Z" && fields.front() != "X";
}

ResidentMemory LinuxProcess::Memory() const {
    const std::string status = ReadWholeFile(ProcPath(pid_, L"status"));
    return ResidentMemory{StatusField(status, "VmRSS"), StatusField(status, "RssAnon")};
}

Activity LinuxProcess::ReadActivity() const {
    Activity activity;
    // utime and stime of the process include threads that have ended.
    const std::vector<std::string> stat = StatFields(ReadWholeFile(ProcPath(pid_, L"stat")));
    activity.cpuTicks = StatField(stat, 14) + StatField(stat, 15);
    const std::wstring tasks = ProcPath(pid_, L"task\\");
    for (const std::wstring& thread : NumericEntries(tasks)) {
        const std::string status = ReadWholeFile(tasks + thread + L"\\status");
        if (status.empty()) continue;
        activity.voluntarySwitches += StatusField(status, "voluntary_ctxt_switches");
        activity.involuntarySwitches += StatusField(status, "nonvoluntary_ctxt_switches");
        activity.runNs += std::strtoll(ReadWholeFile(tasks + thread + L"\\schedstat").c_str(), nullptr, 10);
        ++activity.threads;
    }
    return activity;
}

bool LinuxProcess::CopyProcFile(std::wstring_view name, const std::wstring& target) const {
    const std::string text = ReadWholeFile(ProcPath(pid_, name));
    if (text.empty()) return false;
    win::UniqueKernelHandle file(
        ::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        (void)file.release();
        return false;
    }
    DWORD written = 0;
    return ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

double RealSeconds() { return std::strtod(ReadProcFile(L"uptime").c_str(), nullptr); }

}  // namespace vistrel::soak
