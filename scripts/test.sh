#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the menu
# data and the checker natively under sanitizers, the fuzz targets briefly,
# then the Windows program and its tests under Wine, for each architecture
# this machine runs (see test_archs in common.sh; PANDOR7_ARCHS chooses).
# Both Windows builds always make their programs, and their import tables
# are always checked; the tests of an architecture whose Wine suite doesn't
# run here aren't built. Exits non-zero when anything fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

bash "$here/setup.sh"

archs=$(test_archs)
configure_and_build native
tested() { [[ " $archs " == *" $1 "* ]]; }
for arch in $PANDOR7_WINDOWS_ARCHS; do
  if tested "$arch"; then
    build_windows "$arch"
  else
    build_windows "$arch" demo_medium pandor7_package
  fi
done

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
summary=()
total_passed=0
total_failed=0

# run_suite NAME LOG COMMAND...: runs a suite, keeps its output in LOG and
# adds its ctest tally ("N% tests passed, F tests failed out of T") to the
# summary.
run_suite() {
  local name=$1 log=$logs/$2
  shift 2
  "$@" 2>&1 | tee "$log" || status=1
  local tally failed ran
  tally=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$tally" ]; then
    summary+=("$name: no tally (the suite didn't run to its end)")
    status=1
    return
  fi
  failed=$(sed -E 's/.* ([0-9]+) tests failed out of.*/\1/' <<<"$tally")
  ran=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$tally")
  summary+=("$name: $((ran - failed)) of $ran passed")
  total_passed=$((total_passed + ran - failed))
  total_failed=$((total_failed + failed))
}

in_build() { (cd "$PANDOR7_BUILD/$1" && shift && ctest --output-on-failure "$@"); }

run_suite "native (sanitizers)" native in_build native
run_suite "fuzz" fuzz bash "$here/fuzz.sh"
for arch in $PANDOR7_WINDOWS_ARCHS; do
  build=$(windows_build_name "$arch")
  if tested "$arch"; then
    run_suite "$arch (build/$build, Wine $(cat "$PANDOR7_BUILD/$build/wine-arch"))" "$arch" in_build "$build"
  else
    if [ -n "${PANDOR7_ARCHS:-}" ]; then
      why="PANDOR7_ARCHS=\"$PANDOR7_ARCHS\" leaves it out"
    else
      why="this machine runs no 32-bit programs (a 32-bit test program didn't start), so 32-bit Wine can't run"
    fi
    echo "test.sh: the $arch Windows suite under Wine was skipped: $why"
    run_suite "$arch (build/$build): the import-table checks only, its Wine suite skipped" "$arch" \
      in_build "$build" -L static
  fi
done

echo
echo "== Summary"
printf '%s\n' "${summary[@]}"
echo "tests: $total_passed passed, $total_failed failed"
exit $status
