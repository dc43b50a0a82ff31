#!/usr/bin/env bash
# startup.sh [BUILD_DIR] [RUNS]
# How long the menu takes from process start to its shown window with a
# filled tree, against a bare window of our own (bench/bare_window.cpp), in
# interleaved runs under the build folder's Wine session: the menu's layout
# of windows with nothing in them (the same source, built as menu_windows),
# the demo medium as it ships, the demo without its start-up sound, and the
# demo with a program list of 10,000 programs. Also the working sets and the
# size of the shipped autorun.exe. Starts the session if it isn't running and
# stops it again afterwards. BUILD_DIR defaults to the build that runs here
# (build/win32 where 32-bit programs run, else build/win64), RUNS to 15.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/common.sh
source "$here/../scripts/common.sh"
# shellcheck source=bench/wine_bench.sh
source "$here/wine_bench.sh"

build=$(cd "${1:-$PANDOR7_BUILD/$(windows_build_name "$(run_arch)")}" && pwd)
echo "== $(describe_build "$build")"
runs=${2:-15}

cmake --build "$build" --target startup_timer bare_window menu_windows demo_medium >/dev/null

wine_bench_session "$build" startup-bench
source "$build/wine-session/env"

# The start-up sound plays into an ALSA device of the benchmark's own that
# throws the samples away, so that no machine's sound set-up weighs in.
printf 'pcm.!default {\n  type null\n}\n' >"$work/asound.conf"
export ALSA_CONFIG_PATH=$work/asound.conf
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f >/dev/null 2>&1

# The menus: the demo medium, the same without startup.wav, and the same
# with 10,000 programs, a third of them at the top level and the rest in 50
# groups. Each with the number of items its tree shows.
demo=$build/demo-medium
cp -r "$demo" "$work/silent"
rm "$work/silent/autorun/startup.wav"
cp -r "$demo" "$work/large"
python3 - "$work/large/autorun/filelist.dat" <<'PY'
import sys
with open(sys.argv[1], "wb") as out:
    for i in range(10000):
        group = "" if i % 3 == 0 else f"Gruppe {i % 50 + 1}"
        name = f"Programm {i + 1:05d}"
        out.write(f"{group}\r\nprogramme\\{name}.exe\r\n{name}\r\n{name}.exe\r\nrechner.bmp\r\nrechner.txt\r\n".encode("cp1252"))
PY
tree_items() {
  # What the tree holds once the window shows: the programs at the top level
  # and the groups (a group's programs get their items when it first opens).
  tr -d '\r' <"$1/autorun/filelist.dat" | awk 'NR % 6 == 1 { if ($0 != "") groups[$0] = 1; else programs++ }
    END { print programs + length(groups) }'
}

win() { winepath -w "$1"; }
echo "== start-up, $runs interleaved runs of each (the first program is the baseline)"
wine "$build/bench/startup_timer.exe" "$runs" \
  "$(win "$build/bench/bare_window.exe")" 5 \
  "$(win "$build/bench/menu_windows.exe")" 5 \
  "$(win "$demo/autorun.exe")" "$(tree_items "$demo")" \
  "$(win "$work/silent/autorun.exe")" "$(tree_items "$work/silent")" \
  "$(win "$work/large/autorun.exe")" "$(tree_items "$work/large")"

echo "== the program's size"
# The shipped one is the i686 build's; the one measured above may be another.
for program in "$demo/autorun.exe" "$PANDOR7_BUILD/win32/demo-medium/autorun.exe"; do
  [ -f "$program" ] || continue
  size=$(stat -c %s "$program")
  echo "$(basename "$(dirname "$(dirname "$program")")")/demo-medium/autorun.exe: $size bytes, $((size / 1024)) KiB"
done | sort -u
