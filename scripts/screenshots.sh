#!/usr/bin/env bash
# Takes the README's pictures of the demo menu under Wine, in Wine's own
# desktop so that the window frames show as Windows draws them: the main
# window (docs/demo-menu.png) and the help window (docs/help-window.png).
# Builds what is missing first; takes the build that runs here (run_arch in
# common.sh).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

arch=$(run_arch)
build_windows "$arch" >/dev/null
build=$PANDOR7_BUILD/$(windows_build_name "$arch")
echo "screenshots: $(describe_build "$build")"
docs=$PANDOR7_ROOT/docs
watcher=$build/tests/e2e/window_watcher.exe
work=$(mktemp -d "$build/screenshots.XXXXXX")

"$here/wine-session.sh" start "$build"
trap 'rm -rf "$work"; "$here/wine-session.sh" stop "$build"' EXIT
source "$build/wine-session/env"

# A copy of the demo medium without its sound: the pictures don't need it.
cp -r "$build/demo-medium/." "$work/"
rm "$work/autorun/startup.wav"
(cd "$work" && exec wine explorer /desktop=Pandor7,800x480 autorun.exe) >/dev/null 2>&1 &
export PANDOR7_DESKTOP=Pandor7
wine "$watcher" wait "Demo-CD" >/dev/null

# window_picture TITLE OUTPUT: the desktop cut to that window's frame.
window_picture() {
  local left top width height
  read -r left top width height < <(wine "$watcher" rect "$1" | tr -d '\r')
  bash "$here/screenshot.sh" "Pandor7" "$work/desktop.png" 2
  convert "$work/desktop.png" -crop "${width}x${height}+${left}+${top}" +repage "$2"
  echo "$2"
}

window_picture "Demo-CD" "$docs/demo-menu.png"
wine "$watcher" press "Demo-CD" "?" >/dev/null
wine "$watcher" wait "Hilfe" "" 20 >/dev/null
window_picture "Hilfe" "$docs/help-window.png"
wine "$watcher" press "Hilfe" "OK" >/dev/null
wine "$watcher" close "Demo-CD" >/dev/null
