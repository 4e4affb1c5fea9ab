#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel::soak {

// Resident memory of a process, from /proc/PID/status.
struct ResidentMemory {
    std::int64_t rssKb = 0;
    std::int64_t rssAnonKb = 0;
};

// How much a process has run, summed over all its threads.
struct Activity {
    std::int64_t cpuTicks = 0;             // utime + stime, 1/100 s
    std::int64_t runNs = 0;                // time on a CPU, from schedstat
    std::int64_t voluntarySwitches = 0;    // wake-ups: each is a sleep that ended
    std::int64_t involuntarySwitches = 0;  // preemptions
    int threads = 0;
};

// A Wine process as Linux sees it, read through Wine's Z: drive: Windows
// has no view of resident memory or wake-ups under Wine (GetGuiResources
// and PrivateUsage read 0), /proc has.
class LinuxProcess {
public:
    // The newest process of this Wine prefix whose program file is named
    // `fileName` ("tovrix.exe", or "wineserver" for the server).
    [[nodiscard]] static std::optional<LinuxProcess> Find(std::wstring_view fileName);

    [[nodiscard]] int Pid() const noexcept { return pid_; }
    [[nodiscard]] bool Alive() const;
    [[nodiscard]] ResidentMemory Memory() const;
    [[nodiscard]] Activity ReadActivity() const;
    // Copies /proc/PID/<name> (smaps, maps, status) into a file.
    bool CopyProcFile(std::wstring_view name, const std::wstring& target) const;

private:
    explicit LinuxProcess(int pid) noexcept : pid_(pid) {}

    int pid_;
};

// The machine's real clock in seconds (/proc/uptime), which libfaketime
// leaves alone.
[[nodiscard]] double RealSeconds();

// The text of a file under /proc ("1234/status"); empty if it cannot be read.
[[nodiscard]] std::string ReadProcFile(std::wstring_view relativePath);

}  // namespace vistrel::soak
