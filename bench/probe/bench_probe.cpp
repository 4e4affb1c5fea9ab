// Measures tovrix.exe and the floor program side by side under one Wine,
// from outside, on the real clock: start time, resident memory, CPU time
// and wake-ups while idle, and the cost of one reminder. Prints "key
// value" lines and writes them to --out\probe.txt, with copies of the
// processes' /proc smaps for bench/run.sh to attribute the memory.
//
//   bench_probe --tovrix=PATH --floor=PATH --out=DIR [--runs=11]
//               [--settle-s=5] [--idle-s=120] [--after-s=60]
//               [--ladder=STEP.exe,STEP.exe,...]
//
// The ladder's steps are the floor with one more of tovrix's ingredients
// each: their start times and memory say what each ingredient costs.
// Start times are taken in rounds, each program once per round in turning
// order, so that a busy moment of the machine falls on all alike.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
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
// Long enough for the first paint; the CPU time used by then is the
// start's cost, which a busy machine does not inflate as it does the wait.
constexpr double kStartCostAfterMs = 1'500;

const Pace kRealClock(1);

struct Target {
    std::string name;
    std::wstring path;
    std::wstring windowClass;
    std::wstring fileName;
};

struct StartSample {
    double wallMs = 0;  // CreateProcess to a visible main window
    double cpuMs = 0;   // time on a CPU in the first 1.5 s
};

LinuxProcess FindLinux(const Target& target) {
    auto found = LinuxProcess::Find(target.fileName);
    if (!found) throw std::runtime_error(target.name + ": no Linux process found");
    return *found;
}

// Starts the program, polls every millisecond for its visible main
// window, then closes it again.
StartSample MeasureStart(const Target& target) {
    const auto start = Pace::Clock::now();
    const LaunchedProcess process = LaunchedProcess::Start(target.path);
    HWND window = nullptr;
    if (!kRealClock.WaitUntil(
            [&] { return (window = FindTopLevel(process.Id(), target.windowClass, true)) != nullptr; },
            kWindowLimitMs)) {
        throw std::runtime_error(target.name + ": no window");
    }
    StartSample sample{kRealClock.RealMsSince(start), 0};
    kRealClock.Sleep(kStartCostAfterMs - kRealClock.RealMsSince(start));
    sample.cpuMs = static_cast<double>(FindLinux(target).ReadActivity().runNs) / 1e6;
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (!process.WaitForExit(kRealClock, kExitLimitMs)) throw std::runtime_error(target.name + " did not end on WM_CLOSE");
    return sample;
}

// The program file's name, "floor.exe" from "Z:\\...\\floor.exe".
std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

std::vector<std::wstring> SplitList(const std::wstring& list) {
    std::vector<std::wstring> items;
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t comma = std::min(list.find(L',', at), list.size());
        if (comma > at) items.push_back(list.substr(at, comma - at));
        at = comma + 1;
    }
    return items;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string Format(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
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

void MeasureStarts(const std::vector<Target>& targets, int runs, Report& report) {
    std::map<std::string, std::vector<StartSample>> samples;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < targets.size(); ++i) {
            const Target& target = targets[(i + static_cast<std::size_t>(run)) % targets.size()];
            const StartSample sample = MeasureStart(target);
            samples[target.name].push_back(sample);
            report.Add("start_run", target.name + " " + Format(sample.wallMs) + " " + Format(sample.cpuMs));
            kRealClock.Sleep(500);
        }
    }
    for (const Target& target : targets) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (const StartSample& s : samples[target.name]) {
            wall.push_back(s.wallMs);
            cpu.push_back(s.cpuMs);
        }
        report.Add("start", target.name + " " + Format(Median(wall)) + " " +
                                Format(*std::min_element(wall.begin(), wall.end())) + " " + Format(Median(cpu)));
    }
}

// Starts the program on its own and reads its memory once it has settled.
void MeasureSettledMemory(const Target& target, double settleMs, const std::wstring& out, Report& report) {
    const LaunchedProcess process = LaunchedProcess::Start(target.path);
    HWND window = nullptr;
    if (!kRealClock.WaitUntil([&] { return (window = FindTopLevel(process.Id(), target.windowClass, true)) != nullptr; },
                              kWindowLimitMs)) {
        throw std::runtime_error(target.name + ": no window");
    }
    const LinuxProcess linuxProcess = FindLinux(target);
    kRealClock.Sleep(settleMs);
    AddMemory(report, "rss_after_start " + target.name, linuxProcess.Memory());
    linuxProcess.CopyProcFile(L"smaps", out + target.fileName + L".smaps");
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    (void)process.WaitForExit(kRealClock, kExitLimitMs);
}

void Probe(const Options& options, Report& report) {
    const Target tovrixTarget{"tovrix", options.Path(L"tovrix"), kSettingsClass, L"tovrix.exe"};
    const Target floorTarget{"floor", options.Path(L"floor"), kFloorClass, L"floor.exe"};
    std::vector<Target> ladder;
    for (const std::wstring& step : SplitList(options.Text(L"ladder", L""))) {
        const std::wstring path = WindowsPath(step);
        ladder.push_back(Target{Narrow(FileName(path)), path, kFloorClass, FileName(path)});
    }
    const std::wstring out = options.Path(L"out") + L"\\";
    const int runs = static_cast<int>(options.Number(L"runs", 11));
    const double settleMs = options.Number(L"settle-s", 5) * 1000;
    const double idleMs = options.Number(L"idle-s", 120) * 1000;
    const double afterMs = options.Number(L"after-s", 60) * 1000;

    if (!kRealClock.WaitUntil([] { return Taskbar() != nullptr && Visible(Taskbar()); }, kWindowLimitMs)) {
        throw std::runtime_error("Wine's taskbar never appeared");
    }
    kRealClock.Sleep(1000);

    std::vector<Target> everyone{tovrixTarget, floorTarget};
    everyone.insert(everyone.end(), ladder.begin(), ladder.end());
    MeasureStarts(everyone, runs, report);
    for (const Target& step : ladder) MeasureSettledMemory(step, settleMs, out, report);

    // Resident memory once settled; each program on its own.
    TovrixSession tovrix = TovrixSession::Start(tovrixTarget.path, kRealClock);
    const LinuxProcess tovrixLinux = FindLinux(tovrixTarget);
    kRealClock.Sleep(settleMs);
    AddMemory(report, "rss_after_start tovrix", tovrixLinux.Memory());
    tovrixLinux.CopyProcFile(L"smaps", out + L"tovrix.exe.smaps");
    tovrix.ClickOk(kRealClock);

    const LaunchedProcess floor = LaunchedProcess::Start(floorTarget.path);
    if (!kRealClock.WaitUntil([&] { return FindTopLevel(floor.Id(), kFloorClass, true) != nullptr; }, kWindowLimitMs)) {
        throw std::runtime_error("floor: no window");
    }
    const LinuxProcess floorLinux = FindLinux(floorTarget);
    kRealClock.Sleep(settleMs);
    AddMemory(report, "rss_after_start floor", floorLinux.Memory());
    floorLinux.CopyProcFile(L"smaps", out + L"floor.exe.smaps");

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
        AddMemory(report, "rss_after_reminder tovrix", tovrixLinux.Memory());
        tovrixLinux.CopyProcFile(L"smaps", out + L"tovrix.exe.reminder.smaps");

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
