#!/usr/bin/env bash
# The editor end to end: a menu made in it from an empty folder (the window
# test's scenario, kept in a folder of this test's) passes pandor7-check.exe
# with notes only, and the real autorun.exe started on it shows that tree,
# that description and that picture. The shipped editor opens a medium
# given on its command line and closes without asking when nothing changed.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
editor_tests=$3
package=$4
source "$here/e2e_common.sh"

medium=$(mktemp -d "$PANDOR7_BUILD/e2e-editor.XXXXXX")
trap 'rm -rf "$medium"' EXIT

check "the window test makes the menu" env PANDOR7_EDITOR_MEDIUM="$(winepath -w "$medium")" \
  wine "$editor_tests" --gtest_filter=EditorTest.MakesAWholeMenuFromAnEmptyFolderThatTheCheckerPasses
report=$(wine "$package/pandor7-check.exe" "$(winepath -w "$medium")" 2>/dev/null | tr -d '\r') && status=0 || status=$?
check "the checker: exit status 0" test "$status" -eq 0
check "the checker: nothing above a note" test -z "$(grep -E '(Fehler|Warnung):' <<<"$report")"

cp "$package/autorun.exe" "$medium/autorun.exe"
start_menu "$medium"
check "the menu window appears" inspect wait "Programme"
check "no error box" test "$(inspect wait "Velmar Pandor 7" "#32770" 2; echo $?)" = 1
check "its tree has two top-level entries" inspect select "Programme" 1
check "and no third" test "$(inspect select "Programme" 2; echo $?)" = 1
inspect select "Programme" 1
inspect click "Programme" "SysTreeView32" 150 150
sleep 1
check "the description shows" grep -qxF "child Edit: Schreibt Texte." <<<"$(inspect texts "Programme" | tr -d '\r')"
inspect click "Programme" "Pandor7PictureView"
check "the picture opens large" inspect wait "Vorschau" "" 20
check "at its own size" grep -qx "client: 400x300" <<<"$(inspect texts "Vorschau" | tr -d '\r')"
inspect close "Vorschau" || true
inspect close "Programme"
ended_within "$pid" 20 || kill "$pid"

wine "$package/pandor7-edit.exe" "$(winepath -w "$medium")" >/dev/null 2>&1 &
editor=$!
# The window shows first, then opens the medium and names it in its title.
titled="$(basename "$medium") – Pandor 7 Editor"
check "the editor's window opens the medium" inspect wait "$titled" "" 60
if inspect wait "Pandor 7 Editor" "#32770" 2; then
  echo "a message box: $(inspect texts "Pandor 7 Editor" | tr -d '\r' | grep '^child Static' | tr '\n' ' ')"
  check "no message box" false
fi
check "with its tree and findings" grep -q "child SysListView32: Befunde" <<<"$(inspect texts "$titled" | tr -d '\r')"
inspect close "$titled"
check "it closes without asking" ended_within "$editor" 20
kill "$editor" 2>/dev/null || true
finish
