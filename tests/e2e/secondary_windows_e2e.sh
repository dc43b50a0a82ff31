#!/usr/bin/env bash
# The windows the demo menu opens on top of itself: help, about box and the
# enlarged preview, each opened and closed as a user would.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"

medium=$(fresh_medium)
trap 'rm -rf "$medium"' EXIT
start_menu "$medium"
check "demo menu window appears" inspect wait "Demo-CD"

# "?" (on the button panel at 8, 248; the button at 8, 8 on it, 23 x 25)
# opens the help window; OK closes it.
inspect click-at "Demo-CD" 27 268
check "help window appears" inspect wait "Hilfe" "" 20
help=$(inspect texts "Hilfe" | tr -d '\r')
check "help window's client area" grep -qx "client: 473x423" <<<"$help"
check "help window's group box" grep -qx "child Button: Bedienung von Pandor 7" <<<"$help"
check "help window's web link" grep -q "velmar-software.example" <<<"$help"
inspect press "Hilfe" "OK"
check "OK closes the help window" inspect gone "Hilfe" 20

# A click on the banner text (on the banner at 8, 8; the text at 8, 8 on it,
# 305 x 28) shows the about box.
inspect click-at "Demo-CD" 168 30
check "about box appears" inspect wait "Velmar Pandor 7" "#32770" 20
about=$(inspect texts "Velmar Pandor 7" | tr -d '\r')
check "about box names the program and the maker's address" grep -q "eMail: info@velmar-software.example" <<<"$about"
inspect press "Velmar Pandor 7" "OK"
check "OK closes the about box" inspect gone "Velmar Pandor 7" 20

# "Bildergalerie" (the fourth top-level entry) has a 400 x 300 JPEG preview;
# a click below the tree's rows shows the selected program, a click on the
# preview enlarges it and a click on the large picture closes it.
inspect select "Demo-CD" 3
inspect click "Demo-CD" "SysTreeView32" 150 150
sleep 1
inspect click "Demo-CD" "Pandor7PictureView"
check "preview window appears" inspect wait "Vorschau" "" 20
check "preview window has the picture's size" grep -qx "client: 400x300" <<<"$(inspect texts "Vorschau" | tr -d '\r')"
inspect click "Vorschau" "Pandor7PictureView"
check "a click closes the preview" inspect gone "Vorschau" 20

inspect close "Demo-CD"
check "closing ends the program" ended_within "$pid" 20
finish
