#!/usr/bin/env bash
# The program's own German texts under another ANSI code page: the menu runs
# with Cyrillic Windows-1251 as its code page (Wine takes it from the locale),
# so menu files are read as 1251 while our texts must still read right.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"

medium=$(fresh_medium)
trap 'rm -rf "$medium"' EXIT
# Line 12 (the menu font size) becomes "zwölf" in the menu's Windows-1252.
sed -i '13s/.*/zw\xf6lf\r/' "$medium/autorun/options.dat"

start_menu "$medium" LC_ALL=ru_RU.UTF-8
check "error box appears" inspect wait "Velmar Pandor 7" "#32770"
error=$(inspect texts "Velmar Pandor 7" | tr -d '\r')
# The menu's byte F6 is a Cyrillic letter in 1251; our own words keep their umlauts.
check "our text keeps its umlaut, the menu's byte reads as 1251" grep -q "'zwцlf' ist kein gültiger Integerwert\." <<<"$error"
# Wine words the box's button in the user's language.
inspect confirm "Velmar Pandor 7"
check "menu window appears after the error" inspect wait "Demo-CD"
texts=$(inspect texts "Demo-CD" | tr -d '\r')
check "group box caption" grep -qx "child Button: Menü" <<<"$texts"
inspect close "Demo-CD"
check "closing ends the program" ended_within "$pid" 20
finish
