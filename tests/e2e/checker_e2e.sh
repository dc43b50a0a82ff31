#!/usr/bin/env bash
# pandor7-check.exe under Wine: the demo medium passes with notes only; a
# medium with faults gives them with file, line and the menu's text, and the
# exit status follows.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
checker=$1
shift
source "$here/e2e_common.sh"

medium=$(fresh_medium)
trap 'rm -rf "$medium"' EXIT

# run_checker ARGS...: the report on stdout, the checker's exit status as its own.
run_checker() {
  wine "$checker" "$@" 2>/dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

report=$(run_checker "$(winepath -w "$medium")") && status=0 || status=$?
check "demo medium: exit status 0" test "$status" -eq 0
check "demo medium: nothing above a note" test -z "$(grep -E '(Fehler|Warnung):' <<<"$report")"
check "demo medium: the menu at a glance" grep -q "^Hinweis: Das Menü: 9 Programme, 2 Gruppen" <<<"$report"

# Settings line 12 with a blank after the number, and a bitmap cut short.
sed -i '13s/^\(.*\)\r$/\1 \r/' "$medium/autorun/options.dat"
head -c 100 "$medium/autorun/rechner.bmp" >"$medium/autorun/rechner.bmp.cut"
mv "$medium/autorun/rechner.bmp.cut" "$medium/autorun/rechner.bmp"
json=$(run_checker --json "$(winepath -w "$medium")") && status=0 || status=$?
check "faulty medium: exit status 1" test "$status" -eq 1
check "faulty medium: the settings line with the menu's text" python3 -c '
import json, sys
findings = json.loads(sys.argv[1])["findings"]
assert any(f["severity"] == "error" and f["file"] == "autorun/options.dat" and f["line"] == 13
           and f["shows"].endswith(" \u0027 ist kein gültiger Integerwert.")
           for f in findings), findings
assert any(f["severity"] == "error" and f["file"] == "autorun/rechner.bmp" and f["shows"] == "Stream-Read-Fehler."
           for f in findings), findings
' "$json"

run_checker "$(winepath -w "$medium")\\nicht-da" >/dev/null && status=0 || status=$?
check "a folder that isn't there: exit status 2" test "$status" -eq 2
finish
