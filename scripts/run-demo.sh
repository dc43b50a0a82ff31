#!/usr/bin/env bash
# run-demo.sh [--dpi DPI]
# Installs what is missing, builds the menu program and opens it on the demo
# medium under Wine. Without a display it runs on a private virtual display,
# saves a picture of the menu window and prints the picture's path.
# With --dpi the screen has that many pixels per inch instead of 96 (the
# prefix of that resolution in the build folder, as the tests use it).
# It runs the shipped i686 build where this machine runs 32-bit programs,
# else the x86_64 build of the same program on the same demo medium
# (PANDOR7_ARCHS, as for the tests, chooses).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

dpi=96
if [ "${1:-}" = "--dpi" ]; then
  dpi=$2
fi

bash "$here/setup.sh"
arch=$(run_arch)
build_windows "$arch" >/dev/null

build=$PANDOR7_BUILD/$(windows_build_name "$arch")
medium=$build/demo-medium
echo "run-demo: $(describe_build "$build")" >&2

if [ -n "${DISPLAY:-}" ]; then
  # The build's prefix, with Wine's Windows fonts as in every prefix we make.
  "$here/wine-session.sh" prefix "$build"
  if [ "$dpi" != 96 ]; then
    [ -f "$build/wineprefix-dpi$dpi/.initialised" ] || { echo "no $dpi-DPI prefix yet: run this once without DISPLAY" >&2; exit 1; }
    eval "$("$here/wine-session.sh" environment "$build" "$dpi")"
  else
    eval "$("$here/wine-session.sh" environment "$build")"
  fi
  cd "$medium"
  exec wine autorun.exe
fi

"$here/wine-session.sh" start "$build"
trap '"$here/wine-session.sh" stop "$build"' EXIT
picture=$PANDOR7_BUILD/demo-menu.png
source "$build/wine-session/env"
if [ "$dpi" != 96 ]; then
  "$here/wine-session.sh" start "$build" "$dpi"
  source "$build/wine-session/dpi$dpi.env"
  picture=$PANDOR7_BUILD/demo-menu-${dpi}dpi.png
fi
# Wine's own desktop draws the window frames, as Windows would. It grows with
# the resolution as far as the virtual screen (1024 x 768) allows.
width=$((800 * dpi / 96)) height=$((480 * dpi / 96))
[ "$width" -le 1000 ] || { width=1000 height=600; }
(cd "$medium" && exec wine explorer /desktop=Pandor7,${width}x$height autorun.exe) >/dev/null 2>&1 &
bash "$here/screenshot.sh" "Pandor7" "$picture" 5
echo "$picture"
