// Measures tovrix.exe and the floor program side by side under one Wine,
// from outside, on the real clock: start time, resident memory, CPU time
// and wake-ups while idle, and the cost of one reminder. Prints "key
// value" lines and writes them to --out\probe.txt, with copies of both
// processes' /proc smaps for bench/run.sh to attribute the memory.
//
//   bench_probe --tovrix=PATH --floor=PATH --out=DIR [--runs=7]
//               [--settle-s=5] [--idle-s=120] [--after-s=60]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>
#include <vector>

#include "desktop.h"
#include "launched_process.h"
#include "linux_process.h"
#include "options.h"
#include "reminder_watch.h"
#include "report.h"
#include "tovrix_session.h"

namespace vistrel::soak {
namespace {

constexpr wchar_t kFloorClass[] = L"VistrelFloor";
constexpr int kPeriodMinutes = 10;
constexpr double kWindowLimitMs = 30'000;
constexpr double kExitLimitMs = 20'000;

const Pace kRealClock(1);

struct Target {
    std::string name;
    std::wstring path;
    std::wstring windowClass;
    std::wstring fileName;
};

// Milliseconds from CreateProcess to a visible top-level window of the
// class, polled every millisecond; then closes the program again.
double StartTimeMs(const Target& target) {
    const auto start = Pace::Clock::now();
    const LaunchedProcess process = LaunchedProcess::Start(target.path);
    HWND window = nullptr;
    if (!kRealClock.WaitUntil(
            [&] { return (window = FindTopLevel(process.Id(), target.windowClass, true)) != nullptr; },
            kWindowLimitMs)) {
        throw std::runtime_error(target.name + ": no window");
    }
    const double ms = kRealClock.RealMsSince(start);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (!process.WaitForExit(kRealClock, kExitLimitMs)) throw std::runtime_error(target.name + " did not end on WM_CLOSE");
    return ms;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

LinuxProcess FindLinux(const Target& target) {
    auto found = LinuxProcess::Find(target.fileName);
    if (!found) throw std::runtime_error(target.name + ": no Linux process found");
    return *found;
}

void AddMemory(Report& report, const std::string& key, const ResidentMemory& m) {
    report.Add(key, std::to_string(m.rssKb) + " " + std::to_string(m.rssAnonKb));
}

// "cpu_ms run_ms wakeups seconds" over a stretch.
void AddActivity(Report& report, const std::string& key, const Activity& from, const Activity& to, double seconds) {
    char line[160];
    std::snprintf(line, sizeof line, "%lld %.3f %lld %.1f",
                  static_cast<long long>((to.cpuTicks - from.cpuTicks) * 10),
                  static_cast<double>(to.runNs - from.runNs) / 1e6,
                  static_cast<long long>(to.voluntarySwitches - from.voluntarySwitches), seconds);
    report.Add(key, line);
}

void Probe(const Options& options, Report& report) {
    const Target tovrixTarget{"tovrix", options.Path(L"tovrix"), kSettingsClass, L"tovrix.exe"};
    const Target floorTarget{"floor", options.Path(L"floor"), kFloorClass, L"floor.exe"};
    const std::wstring out = options.Path(L"out") + L"\\";
    const int runs = static_cast<int>(options.Number(L"runs", 7));
    const double settleMs = options.Number(L"settle-s", 5) * 1000;
    const double idleMs = options.Number(L"idle-s", 120) * 1000;
    const double afterMs = options.Number(L"after-s", 60) * 1000;

    if (!kRealClock.WaitUntil([] { return Taskbar() != nullptr && Visible(Taskbar()); }, kWindowLimitMs)) {
        throw std::runtime_error("Wine's taskbar never appeared");
    }
    kRealClock.Sleep(1000);

    // Start time: alternate which goes first, so neither always meets a warmer cache.
    std::vector<double> tovrixMs;
    std::vector<double> floorMs;
    for (int run = 0; run < runs; ++run) {
        const bool tovrixFirst = run % 2 == 0;
        for (int i = 0; i < 2; ++i) {
            const bool tovrix = (i == 0) == tovrixFirst;
            const double ms = StartTimeMs(tovrix ? tovrixTarget : floorTarget);
            (tovrix ? tovrixMs : floorMs).push_back(ms);
            report.Add("start_ms_run", std::string(tovrix ? "tovrix " : "floor ") + std::to_string(ms));
            kRealClock.Sleep(500);
        }
    }
    report.Add("start_ms_median_tovrix", Median(tovrixMs));
    report.Add("start_ms_median_floor", Median(floorMs));
    report.Add("start_ms_min_tovrix", *std::min_element(tovrixMs.begin(), tovrixMs.end()));
    report.Add("start_ms_min_floor", *std::min_element(floorMs.begin(), floorMs.end()));

    // Resident memory once settled; each program on its own.
    TovrixSession tovrix = TovrixSession::Start(tovrixTarget.path, kRealClock);
    const LinuxProcess tovrixLinux = FindLinux(tovrixTarget);
    kRealClock.Sleep(settleMs);
    AddMemory(report, "rss_after_start_tovrix", tovrixLinux.Memory());
    tovrixLinux.CopyProcFile(L"smaps", out + L"tovrix.start.smaps");
    tovrix.ClickOk(kRealClock);

    const LaunchedProcess floor = LaunchedProcess::Start(floorTarget.path);
    if (!kRealClock.WaitUntil([&] { return FindTopLevel(floor.Id(), kFloorClass, true) != nullptr; }, kWindowLimitMs)) {
        throw std::runtime_error("floor: no window");
    }
    const LinuxProcess floorLinux = FindLinux(floorTarget);
    kRealClock.Sleep(settleMs);
    AddMemory(report, "rss_after_start_floor", floorLinux.Memory());
    floorLinux.CopyProcFile(L"smaps", out + L"floor.start.smaps");

    // Idle: tovrix counting minutes (period 10) and the floor with its
    // minute timer, over the same stretch; nothing here touches either.
    {
        const Activity t0 = tovrixLinux.ReadActivity();
        const Activity f0 = floorLinux.ReadActivity();
        const double real0 = RealSeconds();
        kRealClock.Sleep(idleMs);
        const Activity t1 = tovrixLinux.ReadActivity();
        const Activity f1 = floorLinux.ReadActivity();
        const double seconds = RealSeconds() - real0;
        AddActivity(report, "idle_tovrix", t0, t1, seconds);
        AddActivity(report, "idle_floor", f0, f1, seconds);
    }

    // One whole reminder, brought on by the program's own minute ticks.
    {
        const TipPlace place{WorkAreaAboveTaskbar()};
        const Activity t0 = tovrixLinux.ReadActivity();
        tovrix.PostMinuteTicks(kPeriodMinutes);
        const ReminderTrace trace = FollowReminder(tovrix.Tip(), place, kRealClock, 10'000, 120'000);
        const Activity t1 = tovrixLinux.ReadActivity();
        AddActivity(report, "reminder_tovrix", t0, t1, trace.realMs / 1000);
        report.Add("reminder_place", trace.Good() ? std::string{"right"} : trace.fault);
        AddMemory(report, "rss_after_reminder_tovrix", tovrixLinux.Memory());
        tovrixLinux.CopyProcFile(L"smaps", out + L"tovrix.reminder.smaps");

        // No timer of the pop-up may be left running: the wake-ups after it
        // match the floor's over the same stretch.
        const Activity a0 = tovrixLinux.ReadActivity();
        const Activity f0 = floorLinux.ReadActivity();
        const double real0 = RealSeconds();
        kRealClock.Sleep(afterMs);
        const Activity a1 = tovrixLinux.ReadActivity();
        const Activity f1 = floorLinux.ReadActivity();
        const double seconds = RealSeconds() - real0;
        AddActivity(report, "after_reminder_tovrix", a0, a1, seconds);
        AddActivity(report, "after_reminder_floor", f0, f1, seconds);
    }

    ::PostMessageW(tovrix.Settings(), WM_CLOSE, 0, 0);
    const auto code = tovrix.Process().WaitForExit(kRealClock, kExitLimitMs);
    report.Add("tovrix_exit_code", code ? std::to_string(*code) : std::string{"none"});
}

}  // namespace
}  // namespace vistrel::soak

int wmain(int argc, wchar_t** argv) {
    using namespace vistrel::soak;
    int code = 0;
    Report report;
    std::optional<Options> options;
    try {
        options.emplace(argc, argv);
        Probe(*options, report);
    } catch (const std::exception& e) {
        report.Add("fault", e.what());
        code = 1;
    }
    if (options && options->Has(L"out") && !report.WriteTo(options->Path(L"out") + L"\\probe.txt")) code = 2;
    WriteExitFile(code);
    return code;
}
