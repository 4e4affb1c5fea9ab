#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: the
# reminder logic natively, then the Windows build's tests under Wine.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash tools/setup.sh || exit 1

build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}
build native || exit 1
build windows-x64 || exit 1
# Compiles and links only: 32-bit Windows programs cannot run here.
build windows-x86 || exit 1

. tools/wine-env.sh
vistrel_display || exit 1
trap '[ -n "${VISTREL_XVFB_PID:-}" ] && kill "$VISTREL_XVFB_PID" 2>/dev/null' EXIT
vistrel_wine_prefix

status=0
ctest --preset native || status=1
ctest --preset windows-x64 || status=1
exit $status
