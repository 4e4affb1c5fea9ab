#!/usr/bin/env bash
# Runs one Windows program under Wine with a time limit: CTest's emulator
# for the Windows build.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
vistrel_wine_prefix
exec timeout --kill-after=10 "${VISTREL_WINE_TIMEOUT:-300}" wine "$@"
