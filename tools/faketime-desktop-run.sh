#!/usr/bin/env bash
# Runs a Windows program under Wine in the virtual desktop with a taskbar
# (as tools/wine-desktop-run.sh does), with Wine's clock sped up by
# libfaketime: a fresh wineserver and every Wine process of the run see
# time pass VISTREL_FAKETIME_RATE times faster (default 60: a minute timer
# fires every second). The program finds the rate in the same variable.
# Its exit code is the program's.
#
#   faketime-desktop-run.sh PROGRAM.exe [ARGS...]
#
# VISTREL_FAKETIME_SHORT_WAITS=0 leaves out the library that keeps
# wineserver from spinning (only to measure what it saves).
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
vistrel_display || exit 1
vistrel_wine_prefix

export VISTREL_FAKETIME_RATE="${VISTREL_FAKETIME_RATE:-60}"
rate="$VISTREL_FAKETIME_RATE"
faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -f "$faketime_lib" ] || { echo "faketime-desktop-run: $faketime_lib is missing (apt-get install faketime)" >&2; exit 1; }

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

exit_file="$(mktemp)"
echo 1 >"$exit_file"
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1
  rm -f "$exit_file"
  [ -n "${VISTREL_XVFB_PID:-}" ] && kill "$VISTREL_XVFB_PID" 2>/dev/null
}
trap cleanup EXIT

# A fresh wineserver, started by the first Wine process below, so that it
# runs on the sped-up clock too.
timeout 30 wineserver -k >/dev/null 2>&1
# winepath would start a wineserver on the real clock: name the file by hand.
VISTREL_EXIT_FILE="Z:${exit_file//\//\\}"
export VISTREL_EXIT_FILE

# `timeout` itself stays on the real clock: only Wine gets the preload.
timeout --kill-after=10 "${VISTREL_WINE_TIMEOUT:-600}" \
  env LD_PRELOAD="$preload" FAKETIME="+0 x$rate" NO_FAKE_STAT=1 \
  wine explorer /desktop=shell,1280x800 "$@"
status=$?
[ $status -eq 124 ] && { echo "faketime-desktop-run: time limit reached" >&2; exit 124; }
exit "$(tr -dc '0-9' <"$exit_file" | head -c 5)"
