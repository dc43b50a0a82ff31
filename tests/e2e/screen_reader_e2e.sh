#!/usr/bin/env bash
# The demo menu as a screen reader finds it from another process: every
# control a user can click named, the drawn ones with their hints and their
# default action, which, done from outside, does what a click does. Active
# Accessibility is loaded only once a reader asks.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"
reader=$3

medium=$(fresh_medium)
trap 'rm -rf "$medium"' EXIT

read_view() { wine "$reader" tree "Demo-CD" | tr -d '\r'; }

start_menu "$medium"
check "demo menu window appears" inspect wait "Demo-CD"
check "Active Accessibility isn't loaded at start" \
  test "$(inspect modules "Demo-CD" | tr -d '\r' | grep -cix "oleacc.dll")" = 0

view=$(read_view) && status=0 || status=$?
echo "$view"
check "the whole view comes from the other process" test "$status" = 0
check "the menu program has loaded Active Accessibility to answer" \
  test "$(inspect modules "Demo-CD" | tr -d '\r' | grep -cix "oleacc.dll")" = 1
check "the menu tree, named by its group box, has the focus at start" grep -q '"Menü" {focused' <<<"$view"
check "banner text: its text, the about box's hint" grep -q '"Willkommen!" – Über Pandor 7 \[Klicken\]' <<<"$view"
check "help button named by its hint" grep -q '"Hilfefenster einblenden" – Hilfefenster einblenden \[Drücken\]' <<<"$view"
check "Ende button" grep -q '"Ende" – Autostart beenden \[Drücken\]' <<<"$view"
check "Suchen button" grep -q '"Suchen" – CD durchsuchen \[Drücken\]' <<<"$view"
check "fold button named by its hint" grep -q '"Infos ausblenden" – Infos ausblenden \[Drücken\]' <<<"$view"
check "the banner's shadow is no control" test "$(grep -c '"Willkommen!" –' <<<"$view")" = 1

# The fold button pressed from outside folds the window, and its name follows.
check "the fold button's action is done" wine "$reader" press "Demo-CD" "Infos ausblenden"
folded=no
for _ in $(seq 50); do
  inspect texts "Demo-CD" | tr -d '\r' | grep -qx "client: 336x315" && { folded=yes; break; }
  sleep 0.1
done
check "the window folds as on a click" test "$folded" = yes
check "the fold button is now named for unfolding" grep -q '"Infos einblenden" – Infos einblenden' <<<"$(read_view)"

check "Ende's action is done" wine "$reader" press "Demo-CD" "Ende"
check "and the menu ends" ended_within "$pid" 20

finish
