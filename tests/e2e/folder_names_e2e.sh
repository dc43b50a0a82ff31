#!/usr/bin/env bash
# The real autorun.exe and pandor7-check.exe on the demo medium copied into
# folders of any name: one that no ANSI code page spells (Cyrillic, Greek and
# Japanese), one that Windows-1252 spells, and one deeper than 260 characters.
# Each menu opens its start-up sound, shows its tree, a description and a
# picture, starts its run file and an installed copy registered under such a
# folder, both with the medium as working folder, and browses the medium.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"
checker=$3

work=$(mktemp -d "$PANDOR7_BUILD/e2e-folders.XXXXXX")
app_paths='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\pandordemo-weltuhr.exe'
trap 'wine reg delete "$app_paths" /f >/dev/null 2>&1; rm -rf "$work"' EXIT

# Wine reaches the Unix file system as drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# The installed copy of "Weltuhr" (the fifth top-level entry): a copy of the
# demo's logging program, registered with a folder to expand.
installed="$work/Установлено 日本"
mkdir -p "$installed"
cp "$demo/programme/galerie/galerie.exe" "$installed/pandordemo-weltuhr.exe"
wine reg add "$app_paths" /v Path /t REG_EXPAND_SZ /d '%P7_INSTALLED%' /f >/dev/null 2>&1
log=$work/launch.log

# Waits up to ten seconds for the log's line N and prints it: the started
# program|its working folder, each as its Unix path (the shell gets the
# short name of a path it can't take whole).
started() {
  for _ in $(seq 100); do
    [ "$(wc -l <"$log" 2>/dev/null || echo 0)" -ge "$1" ] && break
    sleep 0.1
  done
  local line program folder
  line=$(sed -n "${1}p" "$log" 2>/dev/null | tr -d '\r')
  program=$(wine winepath -u "${line%%|*}" | tr -d '\r')
  folder=$(wine winepath -u "${line#*|}" | tr -d '\r')
  echo "$program|$folder"
}

# Waits up to ten seconds for the menu to have loaded a module.
has_module() {
  for _ in $(seq 100); do
    inspect modules "Demo-CD" | tr -d '\r' | grep -qix "$1" && return 0
    sleep 0.1
  done
  return 1
}

# menu_from MEDIUM WHAT [explorer-may-refuse]: the last when Wine's explorer
# may find the folder too deep to show (some 330 characters are), which
# the menu, ignoring what browsing gives, doesn't notice.
menu_from() {
  local medium=$1 what=$2 explorer=${3:-shows}
  mkdir -p "$medium"
  cp -r "$demo/." "$medium/"
  local root
  root=$(windows_path "$medium")
  : >"$log"

  check "$what: the checker finds no error" wine "$checker" "$root"

  start_menu "$medium" PANDOR7_LAUNCH_LOG="$(windows_path "$log")" P7_INSTALLED="$(windows_path "$installed")"
  check "$what: menu window appears" inspect wait "Demo-CD"
  check "$what: the start-up sound is opened" has_module mciwave.dll
  check "$what: no error box" test "$(inspect wait "Velmar Pandor 7" "#32770" 2; echo $?)" = 1
  check "$what: the tree has the demo's five top-level entries" inspect select "Demo-CD" 4
  check "$what: and no sixth" test "$(inspect select "Demo-CD" 5; echo $?)" = 1

  # "Bildergalerie": its description, its picture, its run file.
  inspect select "Demo-CD" 3
  inspect click "Demo-CD" "SysTreeView32" 150 150
  local first_line
  first_line=$(head -1 "$medium/autorun/galerie.txt" | iconv -f cp1252 -t utf-8 | tr -d '\r')
  sleep 1
  check "$what: the description shows" grep -qxF "child Edit: $first_line" <<<"$(inspect texts "Demo-CD" | tr -d '\r')"
  inspect click "Demo-CD" "Pandor7PictureView"
  check "$what: the picture opens large" inspect wait "Vorschau" "" 20
  check "$what: at its own size" grep -qx "client: 400x300" <<<"$(inspect texts "Vorschau" | tr -d '\r')"
  inspect click "Vorschau" "Pandor7PictureView"
  inspect gone "Vorschau" 20
  inspect type "Demo-CD" "SysTreeView32" $'\r'
  check "$what: the run file starts in the medium's folder" \
    test "$(started 1)" = "$medium/programme/galerie/galerie.exe|$medium"

  inspect select "Demo-CD" 4
  inspect type "Demo-CD" "SysTreeView32" $'\r'
  check "$what: the installed copy starts in the medium's folder" \
    test "$(started 2)" = "$installed/pandordemo-weltuhr.exe|$medium"

  # "Suchen" (on the button panel at 8, 248; the button at 176, 8 on it, 75 x 25).
  inspect click-at "Demo-CD" 221 268
  if [ "$explorer" = shows ]; then
    check "$what: browsing opens the medium's folder" inspect wait "$(basename "$medium")" "" 20
  else
    inspect wait "$(basename "$medium")" "" 10 || echo "note: $what: Wine's explorer shows no folder that deep"
  fi
  inspect close "$(basename "$medium")" || true
  check "$what: no message after all that" test "$(inspect wait "Velmar Pandor 7" "#32770" 1; echo $?)" = 1

  inspect close "Demo-CD"
  check "$what: closing ends the program" ended_within "$pid" 20
}

menu_from "$work/Медиум Ωmega 日本" "Cyrillic, Greek and Japanese"
menu_from "$work/Müller CD" "Windows-1252"
deep=$work
for part in 1 2 3 4 5; do
  [ "$(windows_path "$deep" | wc -m)" -gt 270 ] && break
  deep="$deep/Ordner $part mit einem langen Namen, wie ihn ein Anwender einem Medium gibt"
done
echo "a medium root of $(windows_path "$deep" | wc -m) characters"
menu_from "$deep" "deeper than 260 characters" explorer-may-refuse

finish
