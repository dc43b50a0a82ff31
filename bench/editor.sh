#!/usr/bin/env bash
# editor.sh [BUILD_DIR] [RUNS]
# The editor's speed, each figure against a baseline measured in the same
# run, under the build folder's Wine session:
# - opening and saving a menu of 10,000 programs (bench/editor_document_bench.cpp)
#   against reading and writing its two files plainly (goal: 2 x each);
# - the package's pandor7-edit.exe from its start to its shown window,
#   timed by startup_timer as startup.sh times the menu, against the bare
#   window: with no medium, on the demo medium and on 10,000 programs
#   (goal: 1.5 x);
# - edits made through the editor's window on 10,000 programs, and on the
#   demo medium beside them, while the checker brings the findings up to
#   date on its own thread (bench/editor_window_bench.cpp; goal: the window
#   answers within 100 ms).
# The 10,000 programs are those of startup.sh, a third at the top level and
# the rest in 50 groups, with their run files on the medium, as a finished
# menu has them; the edits also without them, as startup.sh leaves them,
# where the checker warns of every one (10,000 findings). Starts the session if it isn't running and stops it again
# afterwards. BUILD_DIR defaults to the build that runs here (build/win32
# where 32-bit programs run, else build/win64), RUNS to 15.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/common.sh
source "$here/../scripts/common.sh"
# shellcheck source=bench/wine_bench.sh
source "$here/wine_bench.sh"

build=$(cd "${1:-$PANDOR7_BUILD/$(windows_build_name "$(run_arch)")}" && pwd)
echo "== $(describe_build "$build")"
runs=${2:-15}

cmake --build "$build" --target pandor7_package demo_medium startup_timer bare_window editor_document_bench \
  editor_window_bench >/dev/null

wine_bench_session "$build" editor-bench
source "$build/wine-session/env"

demo=$work/demo
large=$work/large
cp -r "$build/demo-medium" "$demo"
cp -r "$build/demo-medium" "$large"
write_large_program_list "$large/autorun/filelist.dat"
python3 - "$large/programme" <<'PY'
import os, sys
for i in range(10000):
    with open(os.path.join(sys.argv[1], f"Programm {i + 1:05d}.exe"), "wb") as program:
        program.write(b"MZ")
PY
missing=$work/missing
cp -r "$build/demo-medium" "$missing"
write_large_program_list "$missing/autorun/filelist.dat"
# Saving writes into the medium: the two menu files on a medium of their own.
mkdir -p "$work/saving"
cp -r "$large/autorun" "$work/saving/autorun"

echo "== opening and saving 10,000 programs, $runs interleaved rounds (goal: 2 x plainly)"
wine "$build/bench/editor_document_bench.exe" "$(win "$work/saving")" "$runs"

editor=$(win "$build/pandor7/pandor7-edit.exe")
echo "== start-up, $runs interleaved runs of each (the first program is the baseline; goal: 1.5 x)"
wine "$build/bench/startup_timer.exe" "$runs" \
  "$(win "$build/bench/bare_window.exe")" 5 \
  "$editor" 0 \
  "$editor" "$(tree_items "$demo")" --argument "$(win "$demo")" \
  "$editor" "$(tree_items "$large")" --argument "$(win "$large")"

echo "== edits in the window, demo medium (goal: within 100 ms)"
wine "$build/bench/editor_window_bench.exe" "$(win "$demo")" "$runs"
echo "== edits in the window, 10,000 programs (goal: within 100 ms)"
wine "$build/bench/editor_window_bench.exe" "$(win "$large")" "$runs"
echo "== edits in the window, 10,000 programs without their run files (goal: within 100 ms)"
wine "$build/bench/editor_window_bench.exe" "$(win "$missing")" "$runs"
