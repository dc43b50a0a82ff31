#!/usr/bin/env bash
# The real autorun.exe on menus that once froze the window for seconds to a
# minute per group click: a chain of groups 3,000 deep and one group of
# 10,000 programs. Each click that opens or closes the group must be done
# within a generous limit; how fast it should be is the benchmark's business.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"

limit=10
medium=$(fresh_medium)
trap 'rm -rf "$medium"' EXIT

# write_programs FILE GROUP-OF-FIRST COUNT CHAIN: COUNT records, the first in
# GROUP-OF-FIRST; with CHAIN=1 each further record's group is the display
# name of the one before, otherwise all share the first group.
write_programs() {
  awk -v first="$2" -v count="$3" -v chain="$4" 'BEGIN {
    group = first
    for (n = 1; n <= count; n++) {
      name = "Programm " n
      printf "%s\r\n%s\r\n%s\r\n\r\n\r\n\r\n", group, "p" n ".exe", name
      if (chain) group = name
    }
  }' >"$1"
}

click_twice() {
  local what=$1 took
  start_menu "$medium"
  check "$what: menu window appears" inspect wait "Demo-CD" "" 60
  for action in opens closes; do
    took=$(inspect click-group "Demo-CD" "$limit") || took=
    check "$what: a click $action the group within $limit s (${took:-no answer} ms)" test -n "$took"
  done
  inspect close "Demo-CD"
  check "$what: closing ends the program" ended_within "$pid" 20
}

write_programs "$medium/autorun/filelist.dat" "Kette" 3000 1
click_twice "chain of groups 3,000 deep"
write_programs "$medium/autorun/filelist.dat" "Gruppe" 10000 0
click_twice "one group of 10,000 programs"

finish
