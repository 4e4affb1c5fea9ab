#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine in a virtual desktop
# with a taskbar, so that its notification icon exists. Without a display
# it starts Xvfb, takes a screenshot of the running program into the build
# folder, says where, and ends it.
#
#   run.sh                 run the program
#   run.sh --readme-shots  remake docs/settings.png and docs/popup.png
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash tools/setup.sh
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target tovrix readme_shots

if [ "${1:-}" = "--readme-shots" ]; then
  . tools/wine-env.sh
  unset DISPLAY  # a screen of our own, the same size every time
  vistrel_display
  vistrel_wine_prefix
  trap 'timeout 30 wineserver -k >/dev/null 2>&1; kill "$VISTREL_XVFB_PID" 2>/dev/null' EXIT
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  mkdir -p docs
  timeout 120 wine explorer /desktop=shell,1280x800 build/windows-x64/tools/readme-shots/readme_shots.exe \
      build/windows-x64/app/tovrix.exe 2>/dev/null |
    while read -r tag name x y w h; do
      [ "$tag" = SHOT ] || continue
      import -window root -crop "${w}x${h}+${x}+${y}" +repage png:- | convert - -strip "docs/$name.png"
      echo "run: docs/$name.png"
    done
  exit 0
fi

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
