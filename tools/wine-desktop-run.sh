#!/usr/bin/env bash
# Runs a Windows test program under Wine inside a virtual desktop with a
# taskbar and a notification area (1280x800, work area 0,0,1280,780), as
# CTest's command for the end-to-end tests. Its exit code is the program's.
#
#   wine-desktop-run.sh PROGRAM.exe [ARGS...]
#
# Wine's explorer does not pass its program's exit code on, so the program
# writes it to the file named by VISTREL_EXIT_FILE (a Windows path).
#
# With VISTREL_FAKETIME_RATE set, Wine's clock runs that many times faster
# (libfaketime on a fresh wineserver and every Wine process of the run); the
# program finds the rate in the same variable. VISTREL_FAKETIME_SHORT_WAITS=0
# leaves out the library that keeps wineserver from spinning (only to
# measure what it saves).
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
vistrel_display || exit 1
vistrel_wine_prefix

faketime=()
if [ -n "${VISTREL_FAKETIME_RATE:-}" ]; then
  export VISTREL_FAKETIME_RATE
  faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
  [ -f "$faketime_lib" ] || { echo "wine-desktop-run: $faketime_lib is missing (apt-get install faketime)" >&2; exit 1; }
  # The short-wait library is built natively, once, into the build folder.
  src="$here/faketime-short-waits.c"
  out="${VISTREL_FAKETIME_BUILD_DIR:-$here/../build/faketime}"
  lib="$out/libfaketime-short-waits.so"
  if [ ! -f "$lib" ] || [ "$src" -nt "$lib" ]; then
    mkdir -p "$out"
    cc -O2 -shared -fPIC -Wall -Wextra -Werror -o "$lib.$$" "$src" -ldl && mv -f "$lib.$$" "$lib" || exit 1
  fi
  # First: it must see the timeouts before libfaketime divides them.
  preload="$lib:$faketime_lib"
  [ "${VISTREL_FAKETIME_SHORT_WAITS:-1}" = 0 ] && preload="$faketime_lib"
  # `timeout` itself stays on the real clock: only Wine gets the preload.
  faketime=(env LD_PRELOAD="$preload" FAKETIME="+0 x$VISTREL_FAKETIME_RATE" NO_FAKE_STAT=1)
fi

exit_file="$(mktemp)"
echo 1 >"$exit_file"
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1
  rm -f "$exit_file"
  [ -n "${VISTREL_XVFB_PID:-}" ] && kill "$VISTREL_XVFB_PID" 2>/dev/null
}
trap cleanup EXIT

# A fresh wineserver for each program, started by the Wine process below (on
# the sped-up clock where asked): nothing left over from the last test.
timeout 30 wineserver -k >/dev/null 2>&1
# Named by hand: winepath would start a wineserver of its own.
VISTREL_EXIT_FILE="Z:${exit_file//\//\\}"
export VISTREL_EXIT_FILE

timeout --kill-after=10 "${VISTREL_WINE_TIMEOUT:-600}" \
  "${faketime[@]}" wine explorer /desktop=shell,1280x800 "$@"
status=$?
[ $status -eq 124 ] && { echo "wine-desktop-run: time limit reached" >&2; exit 124; }
exit "$(tr -dc '0-9' <"$exit_file" | head -c 5)"
