#!/usr/bin/env bash
# tree_speed.sh [BUILD_DIR] [RUNS] [SHAPE...]
# How long the menu tree keeps the main window busy on large and odd menus
# (opening, a group click, the information panel's toggle, the tree's keys),
# against a five-program menu and a plain window with a five-item tree view in
# the same run; see bench/tree_bench.cpp. Runs under the build folder's Wine
# session, starting it if it isn't running and stopping it again afterwards.
# BUILD_DIR defaults to the build that runs here (build/win32 where 32-bit
# programs run, else build/win64), RUNS to 5, the shapes to all of them.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/common.sh
source "$here/../scripts/common.sh"

build=$(cd "${1:-$PANDOR7_BUILD/$(windows_build_name "$(run_arch)")}" && pwd)
echo "== $(describe_build "$build")"
runs=${2:-5}
shift $(($# > 2 ? 2 : $#))

cmake --build "$build" --target tree_bench >/dev/null
started_session=no
finish() {
  if [ "$started_session" = yes ]; then "$PANDOR7_ROOT/scripts/wine-session.sh" stop "$build"; fi
}
trap finish EXIT
if [ ! -f "$build/wine-session/env" ]; then
  "$PANDOR7_ROOT/scripts/wine-session.sh" start "$build"
  started_session=yes
fi
"$PANDOR7_ROOT/scripts/wine-run.sh" "$build" "$build/tests/windows/tree_bench.exe" "$runs" "$@"
