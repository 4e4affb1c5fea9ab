#!/usr/bin/env bash
# Footprint benchmark: tovrix.exe against the floor (bench/floor: one
# window, one message loop, one minute timer, built with the same
# toolchain and flags), side by side under one Wine in the virtual desktop
# with a taskbar. Writes the table to bench/RESULTS.md.
#
#   bash bench/run.sh
#
# About 8 minutes: start times (median of 11 runs each), resident memory, a real
# 120-second idle stretch, one reminder and the minute after it on the
# real clock, and the same start and memory figures for a ladder of
# programs from the floor towards tovrix (bench/ladder); then 100
# reminders on the sped-up clock for the memory after them. Knobs: VISTREL_BENCH_RUNS, VISTREL_BENCH_IDLE_S,
# VISTREL_BENCH_AFTER_S, VISTREL_BENCH_REMINDERS. Run it on an otherwise
# quiet machine: the load is recorded with the figures.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. bench/build.sh
vistrel_bench_build

out="$PWD/build/bench/out"
rm -rf "$out"
mkdir -p "$out"
tovrix="$PWD/build/windows-x64/app/tovrix.exe"
floor="$PWD/build/bench/floor.exe"
runs="${VISTREL_BENCH_RUNS:-11}"
idle_s="${VISTREL_BENCH_IDLE_S:-120}"
after_s="${VISTREL_BENCH_AFTER_S:-60}"
reminders="${VISTREL_BENCH_REMINDERS:-100}"

cat /proc/loadavg >"$out/load-before"
started=$(date +%s)

echo "bench: start, memory, idle and one reminder on the real clock (about $(( (idle_s + after_s) / 60 + 3 )) minutes)"
ladder="$PWD/build/bench/step1_comctl32.exe,$PWD/build/bench/step2_shell32.exe,$PWD/build/bench/step3_cjk_font.exe"
probe_cmd=(tools/wine-desktop-run.sh build/bench/bench_probe.exe --tovrix="$tovrix" --floor="$floor" --out="$out"
           --runs="$runs" --idle-s="$idle_s" --after-s="$after_s" --ladder="$ladder")
VISTREL_WINE_TIMEOUT=$(( idle_s + after_s + 600 )) "${probe_cmd[@]}" >"$out/probe.log" 2>"$out/probe.wine.log" || {
  echo "bench: the probe failed:" >&2; cat "$out/probe.log" >&2; exit 1; }

echo "bench: $reminders reminders on the sped-up clock"
export VISTREL_FAKETIME_RATE="${VISTREL_FAKETIME_RATE:-60}"
soak_cmd=(tools/faketime-desktop-run.sh build/bench/soak/soak_driver.exe --tovrix="$tovrix" --floor="$floor"
          --reminders="$reminders" --report="$out/soak.txt")
VISTREL_WINE_TIMEOUT=$(( reminders * 5 + 300 )) "${soak_cmd[@]}" >"$out/soak.log" 2>"$out/soak.wine.log" || {
  echo "bench: the soak driver failed:" >&2; cat "$out/soak.log" >&2; exit 1; }

cat /proc/loadavg >"$out/load-after"
echo "$(( $(date +%s) - started ))" >"$out/seconds"
printf '%s\n' "VISTREL_WINE_TIMEOUT=... ${probe_cmd[*]}" "VISTREL_FAKETIME_RATE=$VISTREL_FAKETIME_RATE ${soak_cmd[*]}" \
  | sed "s|$PWD/||g" >"$out/commands"
python3 bench/results.py "$out" "$tovrix" "$floor" build/bench/soak-runs >bench/RESULTS.md
cat bench/RESULTS.md
