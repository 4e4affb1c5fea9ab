#!/usr/bin/env python3
"""Turns the figures of bench/run.sh (build/bench/out) into bench/RESULTS.md.

    results.py OUT_DIR TOVRIX_EXE FLOOR_EXE [SOAK_RUNS_DIR] > bench/RESULTS.md

SOAK_RUNS_DIR holds the reports of bench/soak.sh; the longest is shown.
"""
import datetime
import os
import platform
import re
import statistics
import subprocess
import sys

KB = 1024
EXE_LIMIT = 400 * KB
RATIO_LIMIT = 1.10


def read_lines(path):
    """'key value...' lines as a list of (key, rest)."""
    if not os.path.exists(path):
        return []
    pairs = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            key, _, rest = line.partition(" ")
            pairs.append((key, rest))
    return pairs


def first(pairs, key, default=None):
    for k, v in pairs:
        if k == key:
            return v
    return default


def numbers(text):
    return [float(x) for x in text.split()] if text else []


def smaps_groups(path):
    """Rss and Anonymous (KB) of a smaps file, per mapped file name."""
    groups = {}
    current = None
    if not os.path.exists(path):
        return groups
    header = re.compile(r"^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \d+\s*(.*)$")
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = header.match(line)
            if m:
                name = m.group(1).strip()
                if not name:
                    name = "[anonymous]"
                elif not name.startswith("["):
                    name = os.path.basename(name)
                current = groups.setdefault(name, [0, 0])
                continue
            if current is None:
                continue
            if line.startswith("Rss:"):
                current[0] += int(line.split()[1])
            elif line.startswith("Anonymous:"):
                current[1] += int(line.split()[1])
    return groups


def imports(exe):
    try:
        text = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True, text=True,
                              check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return []
    return [line.split("DLL Name:")[1].strip() for line in text.splitlines() if "DLL Name:" in line]


def section_size(exe, name):
    try:
        text = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", exe], capture_output=True, text=True,
                              check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return 0
    for line in text.splitlines():
        parts = line.split()
        if len(parts) > 2 and parts[1] == name:
            return int(parts[2], 16)
    return 0


def machine():
    model = "?"
    with open("/proc/cpuinfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    try:
        wine = subprocess.run(["wine", "--version"], capture_output=True, text=True, timeout=30).stdout.strip()
    except (OSError, subprocess.TimeoutExpired):
        wine = "?"
    return os.cpu_count(), model, wine, platform.release()


def ratio(a, b):
    return a / b if b else float("inf")


def shown(a, b):
    """The ratio for the table; a dash when the floor's figure is 0."""
    return "%.2f×" % (a / b) if b else "–"


def verdict(ok):
    return "yes" if ok else "**no**"


def per_minute(activity):
    """(cpu_ms, wakeups) per minute from 'cpu_ms run_ms wakeups seconds'."""
    cpu, run, wakeups, seconds = activity
    return cpu * 60 / seconds, run * 60 / seconds, wakeups * 60 / seconds


def named(pairs, key, name):
    """The numbers after NAME in the 'key NAME numbers...' line."""
    for k, v in pairs:
        parts = v.split()
        if k == key and parts and parts[0] == name:
            return [float(x) for x in parts[1:]]
    return []


def main():
    out, tovrix_exe, floor_exe = sys.argv[1:4]
    soak_runs = sys.argv[4] if len(sys.argv) > 4 else None
    probe = read_lines(os.path.join(out, "probe.txt"))
    soak = read_lines(os.path.join(out, "soak.txt"))
    rows = []

    def row(figure, t, f, shown_ratio, target, ok):
        rows.append((figure, t, f, shown_ratio, target, verdict(ok) if ok is not None else ""))

    t_start, f_start = named(probe, "start", "tovrix"), named(probe, "start", "floor")
    runs = sum(1 for k, v in probe if k == "start_run" and v.startswith("tovrix "))
    if t_start and f_start:
        row("Start to visible main window, median of %d (ms)" % runs, "%.0f" % t_start[0], "%.0f" % f_start[0],
            "%.2f×" % ratio(t_start[0], f_start[0]), "≤ 1.10×", ratio(t_start[0], f_start[0]) <= RATIO_LIMIT)
        row("Start to visible main window, fastest run (ms)", "%.0f" % t_start[1], "%.0f" % f_start[1],
            "%.2f×" % ratio(t_start[1], f_start[1]), "", None)
        row("CPU time used in the first 1.5 s, median (ms)", "%.0f" % t_start[2], "%.0f" % f_start[2],
            "%.2f×" % ratio(t_start[2], f_start[2]), "", None)

    t_mem = named(probe, "rss_after_start", "tovrix")
    f_mem = named(probe, "rss_after_start", "floor")
    if t_mem and f_mem:
        row("VmRSS after start (KB)", "%d" % t_mem[0], "%d" % f_mem[0], "%.2f×" % ratio(t_mem[0], f_mem[0]),
            "≤ 1.10×", ratio(t_mem[0], f_mem[0]) <= RATIO_LIMIT)
        row("RssAnon after start (KB)", "%d" % t_mem[1], "%d" % f_mem[1], "%.2f×" % ratio(t_mem[1], f_mem[1]),
            "≤ 1.10×", ratio(t_mem[1], f_mem[1]) <= RATIO_LIMIT)

    samples = []
    for k, v in soak:
        if k == "sample":
            fields = dict(item.split("=") for item in v.split()[1:])
            samples.append((int(v.split()[0]), {key: int(val) for key, val in fields.items()}))
    if samples and "floor_rss_kb" in samples[-1][1]:
        n, s = samples[-1]
        row("VmRSS after %d reminders, sped-up clock (KB)" % n, "%d" % s["rss_kb"], "%d" % s["floor_rss_kb"],
            "%.2f×" % ratio(s["rss_kb"], s["floor_rss_kb"]), "≤ 1.10×",
            ratio(s["rss_kb"], s["floor_rss_kb"]) <= RATIO_LIMIT)
        row("RssAnon after %d reminders, sped-up clock (KB)" % n, "%d" % s["anon_kb"], "%d" % s["floor_anon_kb"],
            "%.2f×" % ratio(s["anon_kb"], s["floor_anon_kb"]), "≤ 1.10×",
            ratio(s["anon_kb"], s["floor_anon_kb"]) <= RATIO_LIMIT)

    t_idle = numbers(first(probe, "idle_tovrix"))
    f_idle = numbers(first(probe, "idle_floor"))
    if t_idle and f_idle:
        seconds = t_idle[3]
        t_pm, f_pm = per_minute(t_idle), per_minute(f_idle)
        row("Idle %.0f s, counting: CPU utime+stime (ms)" % seconds, "%.0f" % t_idle[0], "%.0f" % f_idle[0],
            "%+.0f ms" % (t_idle[0] - f_idle[0]), "", None)
        row("Idle %.0f s: time on CPU, schedstat (ms)" % seconds, "%.2f" % t_idle[1], "%.2f" % f_idle[1],
            shown(t_idle[1], f_idle[1]), "", None)
        row("Idle: wake-ups per minute, all threads", "%.1f" % t_pm[2], "%.1f" % f_pm[2],
            "%+.1f" % (t_pm[2] - f_pm[2]), "≤ floor + 1", t_pm[2] <= f_pm[2] + 1)

    t_rem = numbers(first(probe, "reminder_tovrix"))
    if t_rem:
        row("One reminder (rise, hold, fade; %.1f s): CPU utime+stime (ms)" % t_rem[3], "%.0f" % t_rem[0], "–", "",
            "", None)
        row("One reminder: time on CPU, schedstat (ms)", "%.1f" % t_rem[1], "–", "", "", None)
        row("One reminder: wake-ups", "%.0f" % t_rem[2], "–", "", "", None)
        place = first(probe, "reminder_place", "?")
        row("One reminder: pop-up rose to 180 at bottom-right and hid", place, "–", "", "right", place == "right")
    t_after = numbers(first(probe, "after_reminder_tovrix"))
    f_after = numbers(first(probe, "after_reminder_floor"))
    if t_after and f_after:
        t_pm, f_pm = per_minute(t_after), per_minute(f_after)
        row("After the reminder (%.0f s): wake-ups per minute" % t_after[3], "%.1f" % t_pm[2], "%.1f" % f_pm[2],
            "%+.1f" % (t_pm[2] - f_pm[2]), "≤ floor + 1 (no timer left)", t_pm[2] <= f_pm[2] + 1)

    t_size, f_size = os.path.getsize(tovrix_exe), os.path.getsize(floor_exe)
    rsrc = section_size(tovrix_exe, ".rsrc")
    row(".exe size (bytes)", "%d (%.0f KB, .rsrc %.0f KB)" % (t_size, t_size / KB, rsrc / KB),
        "%d (%.0f KB)" % (f_size, f_size / KB), "%.1f×" % ratio(t_size, f_size), "< 400 KB, resources inside",
        t_size < EXE_LIMIT and rsrc > 0)
    t_imports, f_imports = imports(tovrix_exe), imports(floor_exe)
    row("DLLs imported", ", ".join(t_imports), ", ".join(f_imports), "", "", None)

    cpus, model, wine, kernel = machine()
    load_before = open(os.path.join(out, "load-before")).read().split()[:3]
    load_after = open(os.path.join(out, "load-after")).read().split()[:3]
    seconds = open(os.path.join(out, "seconds")).read().strip()
    commands = open(os.path.join(out, "commands")).read().strip()

    p = print
    p("# Footprint: tovrix.exe against a bare Win32 floor")
    p()
    finished = datetime.datetime.fromtimestamp(os.path.getmtime(os.path.join(out, "seconds")))
    p("Measured %s by `bash bench/run.sh` (%s s)." % (finished.strftime("%Y-%m-%d %H:%M"), seconds))
    p()
    p("- Machine: %d CPUs, %s; Linux %s; %s; Xvfb, virtual desktop `explorer /desktop=shell,1280x800`." %
      (cpus, model, kernel, wine))
    p("- Load average (1, 5, 15 min) before: %s, after: %s. Other Wine test runs may have shared the machine." %
      (" ".join(load_before), " ".join(load_after)))
    p("- Floor: `bench/floor/floor.cpp`, one window (the settings window's size), one message loop, one "
      "60-second timer; built with the same MinGW-w64 toolchain, -Os, static, and tovrix's linker flags.")
    p("- Memory and wake-ups are the Linux figures of each program's Wine process (`/proc/PID/status`, "
      "`stat`, `task/*/status`, `task/*/schedstat`), read by the probe through Wine's Z: drive.")
    p()
    p("Commands:")
    p()
    p("```")
    p(commands)
    p("```")
    p()
    p("| Figure | tovrix | floor | tovrix / floor | target | met |")
    p("|---|---|---|---|---|---|")
    for r in rows:
        p("| " + " | ".join(r) + " |")
    p()
    p("Why the figures above target are where they are, and what would bring them down: "
      "[ANALYSIS.md](ANALYSIS.md) (written against the run of 2026-12-11 11:51; the ladder below is the "
      "part of it that each run measures afresh).")
    p()

    for name in ("tovrix", "floor"):
        walls = [v.split()[1] for k, v in probe if k == "start_run" and v.split()[0] == name]
        if walls:
            p("Start times of %s, each run in order (ms): %s." % (name, ", ".join("%.0f" % float(x) for x in walls)))
            p()

    ladder = [v.split()[0] for k, v in probe if k == "rss_after_start" and v.split()[0].startswith("step")]
    if ladder and t_start and f_start and t_mem and f_mem:
        p("## From the floor to tovrix, one ingredient at a time")
        p()
        p("Each step (`bench/ladder`) is the one before with one more of what tovrix's settings window has at "
          "start. Start figures come from the same rounds as above (every program once per round, in turning "
          "order); memory is each program on its own, settled.")
        p()
        p("| program | start, median (ms) | step | CPU in first 1.5 s (ms) | step | VmRSS (KB) | step | "
          "RssAnon (KB) | step |")
        p("|---|---|---|---|---|---|---|---|---|")
        steps = [("floor", f_start[0], f_start[2], f_mem[0], f_mem[1])]
        for name in ladder:
            st, mem = named(probe, "start", name), named(probe, "rss_after_start", name)
            if st and mem:
                steps.append((name, st[0], st[2], mem[0], mem[1]))
        steps.append(("tovrix.exe (the rest: its own code, two more fonts, pop-up, menu, icon)", t_start[0],
                      t_start[2], t_mem[0], t_mem[1]))
        previous = None
        for name, ms, cpu, rss, anon in steps:
            if previous is None:
                p("| %s | %.0f | | %.0f | | %d | | %d | |" % (name, ms, cpu, rss, anon))
            else:
                p("| %s | %.0f | %+.0f | %.0f | %+.0f | %d | %+d | %d | %+d |" %
                  (name, ms, ms - previous[1], cpu, cpu - previous[2], rss, rss - previous[3], anon,
                   anon - previous[4]))
            previous = (name, ms, cpu, rss, anon)
        p()

    t_groups = smaps_groups(os.path.join(out, "tovrix.exe.smaps"))
    f_groups = smaps_groups(os.path.join(out, "floor.exe.smaps"))
    if t_groups and f_groups:
        p("## Where the resident memory goes (after start, from smaps)")
        p()
        p("Rss (and the anonymous part of it) per mapping, KB, where the two programs differ by 16 KB or more:")
        p()
        p("| mapping | tovrix Rss | tovrix anon | floor Rss | floor anon | difference |")
        p("|---|---|---|---|---|---|")
        names = set(t_groups) | set(f_groups)
        diffs = sorted(names, key=lambda n: (-(t_groups.get(n, [0, 0])[0] - f_groups.get(n, [0, 0])[0]), n))
        total = 0
        for n in diffs:
            t, f = t_groups.get(n, [0, 0]), f_groups.get(n, [0, 0])
            d = t[0] - f[0]
            total += d
            if abs(d) < 16:
                continue
            p("| %s | %s | %s | %s | %s | %+d |" % (n, t[0] if n in t_groups else "–", t[1] if n in t_groups else "–",
                                                  f[0] if n in f_groups else "–", f[1] if n in f_groups else "–", d))
        p("| **all** | %d | %d | %d | %d | %+d |" % (sum(v[0] for v in t_groups.values()),
                                                    sum(v[1] for v in t_groups.values()),
                                                    sum(v[0] for v in f_groups.values()),
                                                    sum(v[1] for v in f_groups.values()), total))
        p()
        only = sorted(n for n in t_groups if n not in f_groups and n.endswith((".dll", ".so", ".drv")))
        p("Loaded by tovrix and not by the floor: %s." % (", ".join(only) if only else "nothing"))
        p()

    if samples:
        p("## Resident memory over %s reminders (sped-up clock, x%s)" % (first(soak, "reminders_done", "?"),
                                                                       first(soak, "rate", "?")))
        p()
        p("| reminders | real s | tovrix VmRSS | tovrix RssAnon | floor VmRSS | floor RssAnon | wineserver VmRSS |")
        p("|---|---|---|---|---|---|---|")
        for n, s in samples:
            p("| %d | %d | %d | %d | %s | %s | %s |" % (n, s.get("real_s", 0), s["rss_kb"], s["anon_kb"],
                                                       s.get("floor_rss_kb", "–"), s.get("floor_anon_kb", "–"),
                                                       s.get("wineserver_rss_kb", "–")))
        p()
        p("Growth after the first batch: VmRSS %s KB, RssAnon %s KB; each reminder lived %s ms of real time "
          "(median; longest %s); wineserver used %s s of CPU over %s s; faults: %s; result: %s." %
          (first(soak, "rss_growth_kb", "?"), first(soak, "anon_growth_kb", "?"),
           first(soak, "reminder_real_ms_median", "?"), first(soak, "reminder_real_ms_max", "?"),
           first(soak, "wineserver_cpu_s", "?"), first(soak, "real_seconds", "?"),
           "; ".join(v for k, v in soak if k == "fault") or "none", first(soak, "result", "?")))
        p()

    if soak_runs:
        long_soak(soak_runs)


def long_soak(folder):
    """The longest run of bench/soak.sh, if any."""
    reports = []
    for name in os.listdir(folder) if os.path.isdir(folder) else []:
        m = re.match(r"soak-(\d+)\.txt$", name)
        if m:
            reports.append((int(m.group(1)), os.path.join(folder, name)))
    if not reports:
        return
    n, path = max(reports)
    soak = read_lines(path)
    samples = []
    for k, v in soak:
        if k == "sample":
            fields = dict(item.split("=") for item in v.split()[1:])
            samples.append((int(v.split()[0]), {key: int(val) for key, val in fields.items()}))
    when = datetime.datetime.fromtimestamp(os.path.getmtime(path)).strftime("%Y-%m-%d %H:%M")
    p = print
    p("## Long soak: `bash bench/soak.sh %d` (run %s)" % (n, when))
    p()
    p("%s of %s reminders on the clock sped up x%s, each checked for its place (rose to 180 tall with its bottom "
      "on the work area's bottom and its right edge at the work area's right less one, hid fully faded); "
      "%s s of wall time; each reminder lived %s ms of real time (median; longest %s); wineserver used %s s "
      "of CPU. Tray menu at the end: %s; exit code %s. Faults: %s. Result: **%s**." %
      (first(soak, "reminders_done", "?"), n, first(soak, "rate", "?"), first(soak, "wall_seconds", "?"),
       first(soak, "reminder_real_ms_median", "?"), first(soak, "reminder_real_ms_max", "?"),
       first(soak, "wineserver_cpu_s", "?"), first(soak, "tray_menu", "did not open"), first(soak, "exit_code", "?"),
       "; ".join(v for k, v in soak if k == "fault") or "none", first(soak, "result", "?")))
    p()
    if samples:
        p("| reminders | real s | tovrix VmRSS | tovrix RssAnon | floor VmRSS | floor RssAnon | wineserver VmRSS |")
        p("|---|---|---|---|---|---|---|")
        for k, s in samples:
            p("| %d | %d | %d | %d | %s | %s | %s |" % (k, s.get("real_s", 0), s["rss_kb"], s["anon_kb"],
                                                       s.get("floor_rss_kb", "–"), s.get("floor_anon_kb", "–"),
                                                       s.get("wineserver_rss_kb", "–")))
        p()
        p("From reminder %d to %d: VmRSS %+d KB, RssAnon %+d KB (largest spread between samples %s KB)." %
          (samples[1][0] if len(samples) > 1 else 0, samples[-1][0], int(first(soak, "rss_growth_kb", "0")),
           int(first(soak, "anon_growth_kb", "0")), first(soak, "rss_spread_kb", "?")))
        p()


if __name__ == "__main__":
    main()
