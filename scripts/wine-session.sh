#!/usr/bin/env bash
# wine-session.sh start|stop|prefix BUILD_DIR
# Keeps a private X display and a persistent wineserver running for the tests
# of one build folder, whose Wine prefix lives inside that folder. "prefix"
# only makes that prefix, with Wine's Windows fonts, for a run on the
# caller's own display.
set -euo pipefail

action=$1
build=$(cd "$2" && pwd)
session=$build/wine-session
prefix=$build/wineprefix

prefix_env() {
  export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_env() {
  prefix_env
  export DISPLAY=":$(cat "$session/display")"
}

# Wine draws "MS Sans Serif", "Tahoma" and "Marlett" with substitutes unless
# its own Windows fonts lie in the prefix's font folder, where it doesn't put
# them by itself. Without them texts measure and wrap differently from Windows.
install_windows_fonts() {
  local fonts=$1/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts/"
}

# The prefix, made once, and the fonts in it.
prepare_prefix() {
  if [ ! -f "$prefix/.initialised" ]; then
    rm -rf "$prefix"
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.initialised"
  fi
  install_windows_fonts "$prefix"
}

start() {
  stop_quietly
  mkdir -p "$session"
  # -displayfd picks a free display number and writes it once the server is ready.
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display.tmp" </dev/null >/dev/null 2>&1 &
  echo $! >"$session/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$session/display.tmp" ] && break
    sleep 0.1
  done
  tr -d '\n' <"$session/display.tmp" >"$session/display"
  [ -s "$session/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  wine_env
  prepare_prefix
  wineserver -p </dev/null >/dev/null 2>&1
  # Start Wine's background services now, detached from any test's output:
  # ctest waits for every process that holds a test's output pipe.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
  cat >"$session/env" <<ENV
export WINEPREFIX='$WINEPREFIX' WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export DISPLAY='$DISPLAY'
ENV
}

stop_quietly() {
  if [ -f "$session/env" ]; then
    (source "$session/env" && wineserver -k) >/dev/null 2>&1 || true
  fi
  if [ -f "$session/xvfb.pid" ]; then
    kill "$(cat "$session/xvfb.pid")" >/dev/null 2>&1 || true
  fi
  rm -rf "$session"
}

case $action in
  start) start ;;
  stop) stop_quietly ;;
  prefix) prefix_env && prepare_prefix ;;
  *) echo "usage: $0 start|stop|prefix BUILD_DIR" >&2; exit 2 ;;
esac
