#!/usr/bin/env bash
# Runs a Windows test program under Wine inside a virtual desktop with a
# taskbar and a notification area (1280x800, work area 0,0,1280,780), as
# CTest's command for the end-to-end tests. Its exit code is the program's.
#
#   wine-desktop-run.sh PROGRAM.exe [ARGS...]
#
# Wine's explorer does not pass its program's exit code on, so the program
# writes it to the file named by VISTREL_EXIT_FILE (a Windows path).
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
vistrel_display || exit 1
vistrel_wine_prefix

exit_file="$(mktemp)"
echo 1 >"$exit_file"
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1
  rm -f "$exit_file"
  [ -n "${VISTREL_XVFB_PID:-}" ] && kill "$VISTREL_XVFB_PID" 2>/dev/null
}
trap cleanup EXIT

# A fresh wineserver for each program: nothing left over from the last test.
timeout 30 wineserver -k >/dev/null 2>&1
VISTREL_EXIT_FILE="$(timeout 60 winepath -w "$exit_file" 2>/dev/null)"
export VISTREL_EXIT_FILE

timeout --kill-after=10 "${VISTREL_WINE_TIMEOUT:-600}" \
  wine explorer /desktop=shell,1280x800 "$@"
status=$?
[ $status -eq 124 ] && { echo "wine-desktop-run: time limit reached" >&2; exit 124; }
exit "$(tr -dc '0-9' <"$exit_file" | head -c 5)"
