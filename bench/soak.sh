#!/usr/bin/env bash
# Long-run soak of tovrix.exe: N reminders (default 1000) on Wine's clock
# sped up by libfaketime, with the floor program alongside. The program
# must stay alive, keep its resident memory flat (sampled every 100
# reminders), put every pop-up in its place, and answer its notification
# menu and settings window at the end.
#
#   bash bench/soak.sh [N]
#
# At the default rate (VISTREL_FAKETIME_RATE=300) a reminder comes every
# 2 s: 1000 take about 34 minutes. The figures go to
# build/bench/out/soak-N.txt.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. bench/build.sh
reminders="${1:-1000}"
vistrel_bench_build

export VISTREL_FAKETIME_RATE="${VISTREL_FAKETIME_RATE:-300}"
# Ten program minutes per reminder; half as long again, and set-up, as the limit.
period_s=$(( 600 / VISTREL_FAKETIME_RATE ))
export VISTREL_WINE_TIMEOUT=$(( reminders * (period_s > 0 ? period_s : 1) * 3 / 2 + 180 ))
mkdir -p build/bench/out
report="$PWD/build/bench/out/soak-$reminders.txt"
started=$(date +%s)
status=0
tools/faketime-desktop-run.sh build/bench/soak/soak_driver.exe \
  --tovrix="$PWD/build/windows-x64/app/tovrix.exe" --floor="$PWD/build/bench/floor.exe" \
  --reminders="$reminders" --report="$report" 2>"${report%.txt}.wine.log" || status=$?
echo "soak: $reminders reminders at x$VISTREL_FAKETIME_RATE in $(( $(date +%s) - started )) s, exit $status; figures in $report"
exit $status
