#!/usr/bin/env bash
# startup.sh [BUILD_DIR] [RUNS] [EARLIER_AUTORUN_EXE]
# How long the menu takes from process start to its shown window with a
# filled tree, against a bare window of our own (bench/bare_window.cpp), in
# interleaved runs under the build folder's Wine session: the menu's layout
# of windows with nothing in them (the same source, built as menu_windows),
# the demo medium as it ships, the demo without its start-up sound, and the
# demo with a program list of 10,000 programs. Also the working sets and the
# size of the shipped autorun.exe. Starts the session if it isn't running and
# stops it again afterwards. BUILD_DIR defaults to the build that runs here
# (build/win32 where 32-bit programs run, else build/win64), RUNS to 15.
# With EARLIER_AUTORUN_EXE (another build's program, say the one before a
# change), that program runs in the same rounds on a copy of the demo medium
# in a folder named "earlier", so that a change is weighed against its past
# in one run.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/common.sh
source "$here/../scripts/common.sh"
# shellcheck source=bench/wine_bench.sh
source "$here/wine_bench.sh"

build=$(cd "${1:-$PANDOR7_BUILD/$(windows_build_name "$(run_arch)")}" && pwd)
echo "== $(describe_build "$build")"
runs=${2:-15}
earlier=${3:+$(realpath "$3")}

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
write_large_program_list "$work/large/autorun/filelist.dat"

earlier_menu=()
if [ -n "$earlier" ]; then
  cp -r "$demo" "$work/earlier"
  cp "$earlier" "$work/earlier/autorun.exe"
  earlier_menu=("$(win "$work/earlier/autorun.exe")" "$(tree_items "$work/earlier")")
fi
echo "== start-up, $runs interleaved runs of each (the first program is the baseline)"
wine "$build/bench/startup_timer.exe" "$runs" \
  "$(win "$build/bench/bare_window.exe")" 5 \
  "$(win "$build/bench/menu_windows.exe")" 5 \
  "$(win "$demo/autorun.exe")" "$(tree_items "$demo")" \
  "$(win "$work/silent/autorun.exe")" "$(tree_items "$work/silent")" \
  "$(win "$work/large/autorun.exe")" "$(tree_items "$work/large")" \
  "${earlier_menu[@]}"

echo "== the program's size"
# The shipped one is the i686 build's; the one measured above may be another.
for program in "$demo/autorun.exe" "$PANDOR7_BUILD/win32/demo-medium/autorun.exe"; do
  [ -f "$program" ] || continue
  size=$(stat -c %s "$program")
  echo "$(basename "$(dirname "$(dirname "$program")")")/demo-medium/autorun.exe: $size bytes, $((size / 1024)) KiB"
done | sort -u
