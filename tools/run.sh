#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine in a virtual desktop
# with a taskbar, so that its notification icon exists. Without a display
# it starts Xvfb, takes a screenshot of the running program into the build
# folder, says where, and ends it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash tools/setup.sh
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target tovrix

. tools/wine-env.sh
had_display=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then had_display=1; fi
vistrel_display
vistrel_wine_prefix

exe=build/windows-x64/app/tovrix.exe
if [ $had_display -eq 1 ]; then
  exec wine explorer /desktop=shell,1280x800 "$exe"
fi

trap 'timeout 30 wineserver -k >/dev/null 2>&1; [ -n "${VISTREL_XVFB_PID:-}" ] && kill "$VISTREL_XVFB_PID" 2>/dev/null' EXIT
timeout 30 wineserver -k >/dev/null 2>&1 || true
wine explorer /desktop=shell,1280x800 "$exe" >/dev/null 2>&1 &
# Wait for the settings window to be drawn.
sleep "${VISTREL_SHOT_DELAY:-6}"
shot="$PWD/build/windows-x64/screenshot.png"
import -window root "$shot"
echo "run: no display here; the program ran under Xvfb. Screenshot: $shot"
