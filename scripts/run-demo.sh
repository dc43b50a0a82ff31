#!/usr/bin/env bash
# Installs what is missing, builds the menu program and opens it on the demo
# medium under Wine. Without a display it runs on a private virtual display,
# saves a picture of the menu window and prints the picture's path.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

bash "$here/setup.sh"
build_windows >/dev/null

build=$PANDOR7_BUILD/win32
medium=$build/demo-medium

if [ -n "${DISPLAY:-}" ]; then
  # The build's prefix, with Wine's Windows fonts as in every prefix we make.
  "$here/wine-session.sh" prefix "$build"
  export WINEPREFIX=$build/wineprefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  cd "$medium"
  exec wine autorun.exe
fi

"$here/wine-session.sh" start "$build"
trap '"$here/wine-session.sh" stop "$build"' EXIT
source "$build/wine-session/env"
# Wine's own desktop draws the window frames, as Windows would.
(cd "$medium" && exec wine explorer /desktop=Pandor7,800x480 autorun.exe) >/dev/null 2>&1 &
picture=$PANDOR7_BUILD/demo-menu.png
bash "$here/screenshot.sh" "Pandor7" "$picture" 5
echo "$picture"
