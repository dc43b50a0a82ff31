#!/usr/bin/env bash
# jpeg_preview.sh [BUILD_DIR] [RUNS]
# How long the preview takes to show a 4000 x 3000 JPEG photo (LoadPicture and
# the first drawing into the 269 x 250 area, which decodes it), against
# libjpeg-turbo's own djpeg.exe decoding the same file, both under the build
# folder's Wine session. Starts that session if it isn't running and stops it
# again afterwards. BUILD_DIR defaults to the build that runs here
# (build/win32 where 32-bit programs run, else build/win64), RUNS to 7.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/common.sh
source "$here/../scripts/common.sh"
# shellcheck source=bench/wine_bench.sh
source "$here/wine_bench.sh"

build=$(cd "${1:-$PANDOR7_BUILD/$(windows_build_name "$(run_arch)")}" && pwd)
echo "== $(describe_build "$build")"
runs=${2:-7}
bench=$build/tests/windows/jpeg_preview_bench.exe
djpeg=$(jpeg_prefix "$(build_arch "$build")")/bin/djpeg.exe
run_wine="$PANDOR7_ROOT/scripts/wine-run.sh $build"

cmake --build "$build" --target jpeg_preview_bench >/dev/null
[ -f "$djpeg" ] || { echo "no $djpeg; run scripts/setup.sh" >&2; exit 1; }

wine_bench_session "$build" jpeg-preview-bench
win_work=$(source "$build/wine-session/env" && winepath -w "$work")

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Milliseconds a command takes from start to exit, Wine's process start included.
wall_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

echo "== Pandor 7: LoadPicture + first Draw, in-process timing"
$run_wine "$bench" "$win_work" "$runs" | tee "$work/bench.txt"
ours=$(awk '$1 == "total_ms" { print $2 }' "$work/bench.txt")

# djpeg with the preview's settings (they are its defaults too): full size,
# accurate integer DCT, fancy upsampling; PPM output thrown away. Each run is
# a whole Wine process, so every decoding run is paired with a run that only
# starts djpeg (-version); the decoding time is the median of the differences.
echo "== djpeg.exe, $runs paired runs after a warm-up"
wall_ms $run_wine "$djpeg" -version >/dev/null
wall_ms $run_wine "$djpeg" -dct int -outfile NUL "$win_work\\bench.jpg" >/dev/null
for _ in $(seq "$runs"); do
  start_only=$(wall_ms $run_wine "$djpeg" -version)
  whole=$(wall_ms $run_wine "$djpeg" -dct int -outfile NUL "$win_work\\bench.jpg")
  echo "$start_only $whole" >>"$work/djpeg.txt"
done
start_cost=$(awk '{ print $1 }' "$work/djpeg.txt" | median)
djpeg_whole=$(awk '{ print $2 }' "$work/djpeg.txt" | median)
djpeg_decode=$(awk '{ print $2 - $1 }' "$work/djpeg.txt" | median)
echo "djpeg_process_ms $djpeg_whole"
echo "wine_process_start_ms $start_cost (djpeg -version)"
echo "djpeg_decode_ms $djpeg_decode"
awk -v ours="$ours" -v theirs="$djpeg_decode" 'BEGIN {
  if (theirs > 0) printf "ratio_preview_to_djpeg %.2f\n", ours / theirs
  else print "ratio_preview_to_djpeg n/a"
}'
