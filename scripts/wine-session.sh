#!/usr/bin/env bash
# wine-session.sh start|stop|prefix|environment BUILD_DIR [DPI]
# Keeps a private X display and a persistent wineserver running for the tests
# of one build folder, whose Wine prefix lives inside that folder. "prefix"
# only makes that prefix, with Wine's Windows fonts, for a run on the
# caller's own display; "environment" prints the variables that reach it.
# With DPI, in a session already started: also the prefix whose screen has
# that many pixels per inch (wineprefix-dpiDPI, a copy of the build folder's
# own prefix with the resolution set), with a wineserver of its own on the
# same display. Stopping the session without DPI stops those too.
# The build folder's file wine-arch says which kind of prefix its programs
# need: win32 (the i686 build) or win64 (the x86_64 build, run by wine64).
set -euo pipefail

action=$1
build=$(cd "$2" && pwd)
dpi=${3:-}
session=$build/wine-session
prefix=$build/wineprefix
arch=$(cat "$build/wine-arch" 2>/dev/null || echo win32)

# The environment that reaches the build's prefix, as shell lines: also
# written into the session's env files, which the tests source.
wine_environment() {
  echo "export WINEPREFIX='$1' WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='"
  if [ "$arch" = win64 ]; then
    # Debian's "wine" takes the 32-bit loader whenever it is installed, and
    # a machine without 32-bit support can't start it: "wine" here is
    # wine64 itself, and so is "wine-stable", which Debian's winepath,
    # wineboot and the other tools call.
    local bin=$build/wine64-bin name
    mkdir -p "$bin"
    for name in wine wine-stable; do
      printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$bin/$name"
      chmod +x "$bin/$name"
    done
    echo "export WINELOADER=/usr/lib/wine/wine64 PATH='$bin':\"\$PATH\""
  fi
}

prefix_env() {
  eval "$(wine_environment "$1")"
}

wine_env() {
  prefix_env "$1"
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

# The build folder's prefix, made once, and the fonts in it.
prepare_prefix() {
  if [ ! -f "$prefix/.initialised" ]; then
    rm -rf "$prefix"
    wine wineboot.exe -i </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.initialised"
  fi
  install_windows_fonts "$prefix"
}

# Keeps the wineserver of the prefix in WINEPREFIX running and writes the
# environment that reaches it.
serve_prefix() {
  local env_file=$1
  install_windows_fonts "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  # Start Wine's background services now, detached from any test's output:
  # ctest waits for every process that holds a test's output pipe.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
  {
    wine_environment "$WINEPREFIX"
    echo "export DISPLAY='$DISPLAY'"
  } >"$env_file"
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
  wine_env "$prefix"
  prepare_prefix
  serve_prefix "$session/env"
}

# Wine reads the resolution when a program starts, from the user's desktop
# settings; a copy of the initialised prefix is much cheaper than a new one.
start_dpi() {
  [ -f "$session/env" ] || { echo "no Wine session in $session; start it first" >&2; exit 1; }
  stop_dpi_quietly "$session/dpi$dpi.env"
  local dpi_prefix=$build/wineprefix-dpi$dpi
  wine_env "$dpi_prefix"
  if [ ! -f "$dpi_prefix/.initialised" ]; then
    rm -rf "$dpi_prefix"
    cp -a "$prefix" "$dpi_prefix"
    rm "$dpi_prefix/.initialised"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$dpi_prefix/.initialised"
  fi
  serve_prefix "$session/dpi$dpi.env"
}

stop_dpi_quietly() {
  if [ -f "$1" ]; then
    (source "$1" && wineserver -k) >/dev/null 2>&1 || true
    rm -f "$1"
  fi
}

stop_quietly() {
  local env_file
  for env_file in "$session"/dpi*.env; do
    stop_dpi_quietly "$env_file"
  done
  if [ -f "$session/env" ]; then
    (source "$session/env" && wineserver -k) >/dev/null 2>&1 || true
  fi
  if [ -f "$session/xvfb.pid" ]; then
    kill "$(cat "$session/xvfb.pid")" >/dev/null 2>&1 || true
  fi
  rm -rf "$session"
}

case $action/${dpi:+dpi} in
  start/) start ;;
  stop/) stop_quietly ;;
  start/dpi) start_dpi ;;
  stop/dpi) stop_dpi_quietly "$session/dpi$dpi.env" ;;
  prefix/) prefix_env "$prefix" && prepare_prefix ;;
  environment/) wine_environment "$prefix" ;;
  environment/dpi) wine_environment "$build/wineprefix-dpi$dpi" ;;
  *) echo "usage: $0 start|stop|prefix|environment BUILD_DIR [DPI]" >&2; exit 2 ;;
esac
