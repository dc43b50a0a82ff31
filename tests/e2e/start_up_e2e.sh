#!/usr/bin/env bash
# The real autorun.exe starting on the demo medium, on a medium without its
# program list and on an outdated menu.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"

medium=$(fresh_medium)
trap 'rm -rf "$medium"' EXIT

# The demo medium opens its window with the menu's caption and size.
start_menu "$medium"
check "demo menu window appears" inspect wait "Demo-CD"
texts=$(inspect texts "Demo-CD" | tr -d '\r')
check "caption from the settings" grep -qx "title: Pandor 7 – Demo-CD" <<<"$texts"
check "client area 621 x 315" grep -qx "client: 621x315" <<<"$texts"
check "welcome banner" grep -qx "child Pandor7Panel: Willkommen!" <<<"$texts"
check "task bar entry keeps the application title" grep -qx "owner: Velmar Pandor 7" \
  <<<"$(inspect owner "Demo-CD" | tr -d '\r')"
inspect close "Demo-CD"
check "closing ends the program" ended_within "$pid" 20

# Without a start-up sound nothing the window shows needs COM: the menu
# doesn't load it (nor an input method that would) before a click.
mv "$medium/autorun/startup.wav" "$medium/autorun/startup.bak"
start_menu "$medium"
check "silent menu window appears" inspect wait "Demo-CD"
check "COM isn't loaded to show the window" \
  test "$(inspect modules "Demo-CD" | tr -d '\r' | grep -cix "ole32.dll")" = 0
inspect close "Demo-CD"
check "the silent menu ends on closing" ended_within "$pid" 20
mv "$medium/autorun/startup.bak" "$medium/autorun/startup.wav"

# Without filelist.dat: the Debug box, no main window, and the end after OK.
mv "$medium/autorun/filelist.dat" "$medium/autorun/filelist.bak"
start_menu "$medium"
check "Debug box appears" inspect wait "Debug" "#32770"
check "Debug box text" grep -q "Autostarten fehlgeschlagen filelist.dat oder options.dat niet gevonden" \
  <<<"$(inspect texts Debug)"
check "no main window" test "$(inspect wait "Demo-CD" "" 1; echo $?)" = 1
inspect press "Debug" "OK"
check "program ends after OK" ended_within "$pid" 20
mv "$medium/autorun/filelist.bak" "$medium/autorun/filelist.dat"

# An outdated menu: the message dialog, then the end.
sed -i '1s/^5600\.0/5500.0/' "$medium/autorun/options.dat"
start_menu "$medium"
check "version message appears" inspect wait "Velmar Pandor 7" "#32770"
message=$(inspect texts "Velmar Pandor 7" | tr -d '\r')
check "version message text" grep -q "Die Datei \"options.dat\" liegt in falscher Version vor!" <<<"$message"
check "no main window for an outdated menu" test "$(inspect wait "Demo-CD" "" 1; echo $?)" = 1
inspect press "Velmar Pandor 7" "OK"
check "program ends after the message" ended_within "$pid" 20

finish
