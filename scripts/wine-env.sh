# Sourced by the scripts: a display for Wine (a private Xvfb when none is
# set) and a helper that creates a Wine prefix once.
# Leaves VEXA_XVFB_PID set when it started Xvfb; call vexa_stop_display.

vexa_start_display() {
  VEXA_XVFB_PID=""
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VEXA_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    kill "$VEXA_XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

vexa_stop_display() {
  [ -n "${VEXA_XVFB_PID:-}" ] && kill "$VEXA_XVFB_PID" 2>/dev/null || true
}

# vexa_init_prefix DIR [LANG] - creates the Wine prefix DIR for that locale.
# A program that crashes in a test prefix ends at once: its debugger is one
# that does not exist, where Wine's own would wait out the test's time.
vexa_init_prefix() {
  local dir="$1" lang="${2:-C.UTF-8}"
  [ -f "$dir/system.reg" ] && [ -f "$dir/.vexa-no-debugger" ] && return 0
  if [ ! -f "$dir/system.reg" ]; then
    WINEPREFIX="$dir" WINEDEBUG=-all LANG="$lang" LC_ALL="$lang" wineboot -i >/dev/null 2>&1 || true
  fi
  WINEPREFIX="$dir" WINEDEBUG=-all wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d vexa-no-debugger.exe /f >/dev/null 2>&1 && touch "$dir/.vexa-no-debugger"
  WINEPREFIX="$dir" wineserver -w || true
}
