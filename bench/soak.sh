#!/usr/bin/env bash
# Long-run soak of tovrix.exe: N reminders (default 1000) on Wine's clock
# sped up by libfaketime, each brought on by the program's own minute-timer
# message as soon as the last has gone, with the floor program alongside. The program
# must stay alive, keep its resident memory flat (sampled every 100
# reminders), put every pop-up in its place, and answer its notification
# menu and settings window at the end.
#
#   bash bench/soak.sh [N]
#
# At the default rate (VISTREL_FAKETIME_RATE=60) a reminder takes about a
# second: 1000 take about 23 minutes. The figures go to
# build/bench/soak-runs/soak-N.txt, where bench/run.sh picks them up for
# bench/RESULTS.md.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. bench/build.sh
reminders="${1:-1000}"
vistrel_bench_build

export VISTREL_FAKETIME_RATE="${VISTREL_FAKETIME_RATE:-60}"
# A reminder lives about a second of real time: five is the limit.
export VISTREL_WINE_TIMEOUT=$(( reminders * 5 + 300 ))
mkdir -p build/bench/soak-runs
report="$PWD/build/bench/soak-runs/soak-$reminders.txt"
started=$(date +%s)
status=0
tools/faketime-desktop-run.sh build/bench/soak/soak_driver.exe \
  --tovrix="$PWD/build/windows-x64/app/tovrix.exe" --floor="$PWD/build/bench/floor.exe" \
  --reminders="$reminders" --report="$report" 2>"${report%.txt}.wine.log" || status=$?
seconds=$(( $(date +%s) - started ))
echo "wall_seconds $seconds" >>"$report"
echo "soak: $reminders reminders at x$VISTREL_FAKETIME_RATE in $seconds s, exit $status; figures in $report"
exit $status
