#!/usr/bin/env bash
# run-editor.sh [MEDIUM_ROOT]
# Installs what is missing, builds the menu editor and opens it under Wine on
# the medium root MEDIUM_ROOT (the folder that holds autorun/, or an empty
# folder for a new menu); without one, on a copy of the demo medium in the
# build folder, so the demo itself stays as built. Without a display it runs
# on a private virtual display, saves a picture of the editor's window and
# prints the picture's path. The build is chosen as for run-demo.sh.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

bash "$here/setup.sh"
arch=$(run_arch)
build_windows "$arch" pandor7_package demo_medium >/dev/null
build=$PANDOR7_BUILD/$(windows_build_name "$arch")
echo "run-editor: $(describe_build "$build")" >&2

medium=${1:-}
if [ -z "$medium" ]; then
  medium=$PANDOR7_BUILD/editor-demo-medium
  [ -d "$medium" ] || cp -R "$build/demo-medium" "$medium"
fi
[ -d "$medium" ] || { echo "run-editor: $medium is no folder" >&2; exit 1; }
medium=$(cd "$medium" && pwd -P)

if [ -n "${DISPLAY:-}" ]; then
  "$here/wine-session.sh" prefix "$build"
  eval "$("$here/wine-session.sh" environment "$build")"
  exec wine "$build/pandor7/pandor7-edit.exe" "$(winepath -w "$medium")"
fi

"$here/wine-session.sh" start "$build"
trap '"$here/wine-session.sh" stop "$build"' EXIT
source "$build/wine-session/env"
picture=$PANDOR7_BUILD/editor.png
wine "$build/pandor7/pandor7-edit.exe" "$(winepath -w "$medium")" >/dev/null 2>&1 &
bash "$here/screenshot.sh" "Pandor 7 Editor" "$picture" 4
echo "$picture"
