// Long-run soak: the program reminds, reminder after reminder, on Wine's
// sped-up clock (libfaketime), and must stay alive, keep its resident
// memory flat, put every pop-up in the right place and still answer its
// notification menu and settings window at the end.
//
//   soak_driver --tovrix=PATH [--reminders=100] [--rate=R] [--floor=PATH]
//               [--sample-every=K] [--max-growth-kb=KB] [--report=PATH]
//
// Each reminder is brought on as soon as the last one has gone, by the
// program's own minute-timer message, one tick at a time; the sped-up
// clock shortens the 8-second hold and drives the animation timers. R is
// the clock's speed-up (FAKETIME "x60" -> 60), by default the
// VISTREL_FAKETIME_RATE that tools/faketime-desktop-run.sh sets: waits and
// limits here are in real time. With --floor a bare Win32 program runs
// alongside and its memory is sampled too, for comparison.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "desktop.h"
#include "launched_process.h"
#include "linux_process.h"
#include "memory_log.h"
#include "options.h"
#include "reminder_watch.h"
#include "report.h"
#include "tovrix_session.h"

namespace vistrel::soak {
namespace {

constexpr int kPeriodMinutes = 10;  // the up-down's starting value
constexpr double kStartLimitMs = 30'000;
// After each tick the program has this long to show the pop-up.
constexpr double kTickAnswerMs = 50;
constexpr double kExitLimitMs = 20'000;
// A reminder lives 8 s of program time plus a real cost for every step
// drawn; far less than this.
constexpr double kReminderLifeLimitMs = 60'000;
constexpr wchar_t kFloorClass[] = L"VistrelFloor";

double RateFromEnvironment() {
    std::array<wchar_t, 32> value{};
    const DWORD n = ::GetEnvironmentVariableW(L"VISTREL_FAKETIME_RATE", value.data(), static_cast<DWORD>(value.size()));
    return n > 0 && n < value.size() ? std::wcstod(value.data(), nullptr) : 1.0;
}

LinuxProcess FindLinuxProcess(std::wstring_view fileName) {
    auto found = LinuxProcess::Find(fileName);
    if (!found) throw std::runtime_error("no Linux process for " + Narrow(fileName) + " in this Wine prefix");
    return *found;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Soak(const Options& options, Report& report) {
    const Pace pace(options.Number(L"rate", RateFromEnvironment()));
    const int reminders = static_cast<int>(options.Number(L"reminders", 100));
    const int sampleEvery = static_cast<int>(options.Number(L"sample-every", reminders >= 1000 ? 100 : 10));
    const auto maxGrowthKb = static_cast<std::int64_t>(options.Number(L"max-growth-kb", 512));
    const double realStart = RealSeconds();
    report.Add("rate", pace.Rate());
    report.Add("reminders_wanted", reminders);

    if (!pace.WaitUntil([] { return Taskbar() != nullptr && Visible(Taskbar()); }, kStartLimitMs)) {
        throw std::runtime_error("Wine's taskbar never appeared");
    }
    const TipPlace place{WorkAreaAboveTaskbar()};
    report.Add("work_area", Describe(place.workArea));

    TovrixSession tovrix = TovrixSession::Start(options.Path(L"tovrix"), pace);
    const LinuxProcess tovrixLinux = FindLinuxProcess(L"tovrix.exe");
    tovrix.ClickOk(pace);

    std::optional<LaunchedProcess> floor;
    std::optional<LinuxProcess> floorLinux;
    if (options.Has(L"floor")) {
        floor.emplace(LaunchedProcess::Start(options.Path(L"floor")));
        if (!pace.WaitUntil([&] { return FindTopLevel(floor->Id(), kFloorClass, true) != nullptr; }, kStartLimitMs)) {
            throw std::runtime_error("the floor program's window never showed");
        }
        floorLinux = FindLinuxProcess(L"floor.exe");
    }
    const std::optional<LinuxProcess> server = LinuxProcess::Find(L"wineserver");
    const std::int64_t serverTicksBefore = server ? server->ReadActivity().cpuTicks : 0;

    MemoryLog memory;
    const auto sample = [&](int count) {
        MemoryLog::Sample s{count, RealSeconds() - realStart, tovrixLinux.Memory(), std::nullopt, std::nullopt};
        if (floorLinux) s.floor = floorLinux->Memory();
        if (server) s.server = server->Memory();
        memory.Add(s, report);
    };
    sample(0);

    std::vector<double> lifeMs;
    int bad = 0;
    int done = 0;
    for (; done < reminders; ++done) {
        // The program's own minute ticks come too, but far too slowly to
        // start a reminder while one is showing.
        for (int tick = 0; tick < 2 * kPeriodMinutes && !Visible(tovrix.Tip()); ++tick) {
            tovrix.PostMinuteTicks(1);
            (void)pace.WaitUntil([&] { return Visible(tovrix.Tip()); }, kTickAnswerMs, 2);
        }
        const ReminderTrace trace = FollowReminder(tovrix.Tip(), place, pace, kTickAnswerMs, kReminderLifeLimitMs);
        lifeMs.push_back(trace.realMs);
        if (!trace.Good()) {
            ++bad;
            report.Add("fault", "reminder " + std::to_string(done + 1) + ": " + trace.fault);
            if (!trace.shown || !trace.hidden || bad >= 5) {
                ++done;
                break;
            }
        }
        if (!tovrix.Process().Running()) {
            report.Add("fault", "the program ended after reminder " + std::to_string(done + 1));
            ++done;
            break;
        }
        if ((done + 1) % sampleEvery == 0) sample(done + 1);
    }
    report.Add("reminders_done", done);
    report.Add("reminders_bad", bad);
    report.Add("reminder_real_ms_median", static_cast<int>(Median(lifeMs)));
    report.Add("reminder_real_ms_max",
               static_cast<int>(lifeMs.empty() ? 0 : *std::max_element(lifeMs.begin(), lifeMs.end())));

    bool memoryFlat = true;
    if (const auto growth = memory.GrowthAfterFirstBatch()) {
        report.Add("rss_growth_kb", growth->rssKb);
        report.Add("anon_growth_kb", growth->rssAnonKb);
        report.Add("rss_spread_kb", growth->spreadKb);
        memoryFlat = growth->rssKb <= maxGrowthKb;
        if (!memoryFlat) {
            report.Add("fault", "resident memory grew by " + std::to_string(growth->rssKb) + " KB from reminder " +
                                    std::to_string(growth->fromReminders) + " to " +
                                    std::to_string(growth->toReminders));
        }
    }

    const double realSeconds = RealSeconds() - realStart;
    report.Add("real_seconds", static_cast<int>(realSeconds));
    if (server) {
        const double serverSeconds = static_cast<double>(server->ReadActivity().cpuTicks - serverTicksBefore) / 100.0;
        report.Add("wineserver_cpu_s", serverSeconds);
    }

    // At the end the menu and the settings window still answer, and Cancel ends it cleanly.
    bool endedCleanly = false;
    if (tovrix.Process().Running()) {
        try {
            tovrix.OpenSettingsFromTrayMenu(pace);
            report.Add("tray_menu", "opened the settings window");
            tovrix.ClickCancel();
            const auto code = tovrix.Process().WaitForExit(pace, kExitLimitMs);
            endedCleanly = code.has_value() && *code == 0;
            report.Add("exit_code", code ? std::to_string(*code) : std::string{"none (still running)"});
        } catch (const std::exception& e) {
            report.Add("fault", e.what());
        }
    }
    const bool pass = done == reminders && bad == 0 && memoryFlat && endedCleanly;
    report.Add("result", pass ? "pass" : "FAIL");
    return pass ? 0 : 1;
}

}  // namespace
}  // namespace vistrel::soak

int wmain(int argc, wchar_t** argv) {
    using namespace vistrel::soak;
    int code = 2;
    Report report;
    std::optional<Options> options;
    try {
        options.emplace(argc, argv);
        code = Soak(*options, report);
    } catch (const std::exception& e) {
        report.Add("fault", e.what());
        report.Add("result", "FAIL");
    }
    if (options && options->Has(L"report") && !report.WriteTo(options->Path(L"report"))) code = 2;
    WriteExitFile(code);
    return code;
}
