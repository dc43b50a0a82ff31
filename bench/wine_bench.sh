# Shared by the benchmarks that run under Wine. Sourced, not run.

# wine_bench_session BUILD_DIR NAME: makes the scratch folder $work in the
# build folder and starts the build's Wine session unless it is running; when
# the script ends, the folder goes and a session started here stops again.
wine_bench_session() {
  wine_bench_build=$1
  work=$(mktemp -d "$wine_bench_build/$2.XXXXXX")
  wine_bench_started_session=no
  trap wine_bench_finish EXIT
  if [ ! -f "$wine_bench_build/wine-session/env" ]; then
    "$PANDOR7_ROOT/scripts/wine-session.sh" start "$wine_bench_build"
    wine_bench_started_session=yes
  fi
}

wine_bench_finish() {
  rm -rf "$work"
  if [ "$wine_bench_started_session" = yes ]; then "$PANDOR7_ROOT/scripts/wine-session.sh" stop "$wine_bench_build"; fi
}
