#!/usr/bin/env bash
# tools/wine-desktop-run.sh with Wine's clock sped up VISTREL_FAKETIME_RATE
# times (default 60: a minute timer fires every second).
#
#   faketime-desktop-run.sh PROGRAM.exe [ARGS...]
export VISTREL_FAKETIME_RATE="${VISTREL_FAKETIME_RATE:-60}"
exec "$(dirname "${BASH_SOURCE[0]}")/wine-desktop-run.sh" "$@"
