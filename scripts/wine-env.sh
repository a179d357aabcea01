# Sourced: a Wine prefix of the project's own and an X server for it.
# wine_start sets everything up (wine_prefix alone makes the prefix); wine_stop
# ends what it started.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export PATH=/usr/lib/wine:$PATH
export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE_XVFB_PID=""

# Makes the prefix once (about 15 s), without a display, so that it can be
# made while something else runs; no Wine process of it is left running.
wine_prefix() {
  mkdir -p "$WINEPREFIX"
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  DISPLAY= wine64 wineboot -i </dev/null >/dev/null 2>&1
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  DISPLAY= wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  wineserver -w
}

wine_start() {
  local display=${WINE_DISPLAY:-}
  if [ -z "$display" ]; then
    # The server picks a free display itself and names it once it listens,
    # so that several runs on one machine never race for a number.
    local named
    named=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$named" >/dev/null 2>&1 &
    WINE_XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$named" ] && break; sleep 0.1; done
    display=$(head -n 1 "$named")
    rm -f "$named"
  fi
  export DISPLAY=:$display
  # A prefix made before 32-bit Wine was installed has no 32-bit system
  # folder, and `wineboot -u` does not add one: the project's own prefix is
  # made anew once 32-bit Wine is there (any other is left as it is).
  if [ "$WINEPREFIX" = "$ROOT/build/wineprefix" ] && [ -x /usr/lib/wine/wine ] &&
     [ -f "$WINEPREFIX/system.reg" ] &&
     [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  wine_prefix
  wineserver -p
  # Start Wine's helpers outside the test runner's pipes.
  wine64 cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$WINE_XVFB_PID" ]; then kill "$WINE_XVFB_PID" 2>/dev/null || true; fi
}
