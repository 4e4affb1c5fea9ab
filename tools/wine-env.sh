# Sourced by the project's scripts: one Wine prefix per machine, made once
# and reused, that never stops for a dialog.
export WINEPREFIX="${VISTREL_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vistrel/wine64}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Faked clocks must not make Wine think the prefix is stale.
export NO_FAKE_STAT=1

vistrel_wine_prefix() {
  [ -f "$WINEPREFIX/.vistrel-ready" ] && return 0
  echo "wine: creating the prefix $WINEPREFIX (once per machine)" >&2
  mkdir -p "$WINEPREFIX"
  timeout 300 wine wineboot -i >/dev/null 2>&1 || true
  timeout 120 wineserver -w || true
  local reg=(timeout 60 wine reg add)
  # A crash must fail a test, not wait in a debugger dialog.
  "${reg[@]}" 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # Debian's CJK fonts stand in for the Windows ones the program asks for.
  "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v '微软雅黑' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft YaHei' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ /d 'WenQuanYi Zen Hei' /f >/dev/null 2>&1
  "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimSun' /t REG_SZ /d 'WenQuanYi Zen Hei' /f >/dev/null 2>&1
  timeout 120 wineserver -w || true
  touch "$WINEPREFIX/.vistrel-ready"
}

# A display for Wine: the caller's, or a private Xvfb started here.
vistrel_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    VISTREL_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  done
  echo "wine: could not start Xvfb" >&2
  return 1
}
