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

# win PATH: the path as the session's Wine programs name it.
win() { winepath -w "$1"; }

wine_bench_finish() {
  rm -rf "$work"
  if [ "$wine_bench_started_session" = yes ]; then "$PANDOR7_ROOT/scripts/wine-session.sh" stop "$wine_bench_build"; fi
}

# write_large_program_list FILE: the program list of 10,000 programs the
# benchmarks share, a third of them at the top level and the rest in 50
# groups, each with the demo medium's calculator picture and description.
write_large_program_list() {
  python3 - "$1" <<'PY'
import sys
with open(sys.argv[1], "wb") as out:
    for i in range(10000):
        group = "" if i % 3 == 0 else f"Gruppe {i % 50 + 1}"
        name = f"Programm {i + 1:05d}"
        out.write(f"{group}\r\nprogramme\\{name}.exe\r\n{name}\r\n{name}.exe\r\nrechner.bmp\r\nrechner.txt\r\n".encode("cp1252"))
PY
}

# tree_items MEDIUM: what the menu's tree holds once its window shows: the
# programs at the top level and the groups (a group's programs get their
# items when it first opens).
tree_items() {
  tr -d '\r' <"$1/autorun/filelist.dat" | awk 'NR % 6 == 1 { if ($0 != "") groups[$0] = 1; else programs++ }
    END { print programs + length(groups) }'
}
