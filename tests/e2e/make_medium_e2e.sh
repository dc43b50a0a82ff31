#!/usr/bin/env bash
# scripts/make-medium.sh on copies of the demo medium: the image read back
# with xorriso as Windows reads it (the Joliet tree, the volume names,
# autorun.inf) and the menu started from the extracted image; an author's own
# autorun.inf and label; the refusals (checker errors, names Joliet changes,
# a stick folder in use) and --force; the copy onto a stick folder.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_common.sh"

# make-medium.sh finds the checker and the release program in the build
# folders that scripts/common.sh lays out beside this one.
build_root=$(dirname "$PANDOR7_BUILD")
if [ ! -x "$build_root/native/checker/pandor7-check" ]; then
  echo "FAILED: no checker at $build_root/native/checker (build the native side first; scripts/test.sh does)"
  exit 1
fi
make_medium() { PANDOR7_BUILD=$build_root bash "$PANDOR7_SOURCE/scripts/make-medium.sh" "$@"; }
# The media it makes get the release program, the i686 build's; in the x86_64
# build's tests they get this build's program instead, so that the menu from
# the image starts under this build's Wine.
if [ "$(cat "$PANDOR7_BUILD/wine-arch")" != win32 ]; then
  export PANDOR7_RELEASE_PROGRAM=$demo/autorun.exe
fi

work=$(mktemp -d "$PANDOR7_BUILD/e2e-make-medium.XXXXXX")
# Extracted files are read-only, as on a CD.
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

# Windows reads the Joliet tree; Rock Ridge is skipped to see what it sees.
joliet() { LANG=C xorriso -local_charset UTF-8 -read_fs norock -indev "$@" 2>/dev/null; }
joliet_volume_id() {
  python3 - "$1" <<'EOF'
import sys
with open(sys.argv[1], "rb") as image:
    for sector in range(16, 32):
        image.seek(sector * 2048)
        d = image.read(2048)
        if d[0] == 2 and d[88:90] == b"%/":
            print(d[40:72].decode("utf-16-be").rstrip(" "))
EOF
}
pvd_volume_id() { joliet "$1" -pvd_info | sed -n 's/^Volume Id *: //p'; }
has_line() { grep -qxF -- "$1" <<<"$2"; }

# An author's folder: the demo medium without the menu program and
# autorun.inf, with a long document name with blanks and umlauts.
author=$work/author
cp -r "$demo/." "$author/"
rm "$author/autorun.exe" "$author/autorun.inf"
long_name="Handbuch für Einsteiger – Übersicht aller Programme.txt"
printf 'Handbuch\r\n' >"$author/programme/$long_name"

# The demo's image: the checker finds no error, autorun.exe and autorun.inf
# are added, the names survive in Joliet.
image=$work/demo.iso
check "the demo's image is made" make_medium "$author" "$image"
check "no partial image is left" test ! -e "$image.partial"
check "the author's folder gets no autorun.exe" test ! -e "$author/autorun.exe"
tree=$(joliet "$image" -find / | tr -d "'")
check "Joliet tree: autorun.exe added" has_line "/autorun.exe" "$tree"
check "Joliet tree: autorun.inf added" has_line "/autorun.inf" "$tree"
check "Joliet tree: the menu folder" has_line "/autorun/options.dat" "$tree"
check "Joliet tree: a folder with a blank" has_line "/programme/Welt Uhr/weltuhr.exe" "$tree"
check "Joliet tree: a long name with blanks and umlauts" has_line "/programme/$long_name" "$tree"
check "Joliet tree: letter case kept" has_line "/autorun/schach.JPG" "$tree"
check "ISO 9660 volume id from the caption" test "$(pvd_volume_id "$image")" = "PANDOR_7_DEMO_CD"
check "Joliet volume id from the caption" test "$(joliet_volume_id "$image")" = "Pandor 7 – Demo-"

extracted=$work/extracted
joliet "$image" -osirrox on -extract / "$extracted" >/dev/null
printf '[autorun]\r\nopen=autorun.exe\r\nicon=autorun.exe,0\r\nlabel=Pandor 7 \x96 Demo-CD\r\n' >"$work/expected.inf"
check "autorun.inf: four lines, CR LF, Windows-1252 label" cmp -s "$work/expected.inf" "$extracted/autorun.inf"
check "autorun.exe is the release program" cmp -s "$demo/autorun.exe" "$extracted/autorun.exe"
check "the program list reads back unchanged" cmp -s "$author/autorun/filelist.dat" "$extracted/autorun/filelist.dat"
check "the long document reads back" test -f "$extracted/programme/$long_name"

# The extracted menu starts, builds its whole tree, shows a picture from the
# image and reports nothing.
start_menu "$extracted"
check "the menu from the image appears" inspect wait "Demo-CD"
check "its caption" grep -qx "title: Pandor 7 – Demo-CD" <<<"$(inspect texts "Demo-CD" | tr -d '\r')"
check "its tree has the demo's five top-level entries" inspect select "Demo-CD" 4
check "and no sixth" test "$(inspect select "Demo-CD" 5; echo $?)" = 1
inspect select "Demo-CD" 3  # "Bildergalerie", with a JPEG picture
inspect click "Demo-CD" "SysTreeView32" 150 150
sleep 1
inspect click "Demo-CD" "Pandor7PictureView"
check "its picture opens large" inspect wait "Vorschau" "" 20
inspect click "Vorschau" "Pandor7PictureView"
check "no error box" test "$(inspect wait "Velmar Pandor 7" "#32770" 2; echo $?)" = 1
inspect close "Demo-CD"
check "closing ends the program" ended_within "$pid" 20

# An author's own autorun.inf and program stay as they are; --label names the
# volume.
own=$work/own.iso
check "an image with the author's files and label" make_medium "$demo" "$own" --label "Grüße aus Köln"
joliet "$own" -osirrox on -extract /autorun.inf "$work/own.inf" >/dev/null
check "the author's autorun.inf is kept" cmp -s "$demo/autorun.inf" "$work/own.inf"
check "ISO 9660 volume id from --label" test "$(pvd_volume_id "$own")" = "GRUESSE_AUS_KOELN"
check "Joliet volume id from --label" test "$(joliet_volume_id "$own")" = "Grüße aus Köln"

# A menu with an error: refused with the checker's finding, built with --force.
broken=$work/broken
cp -r "$author/." "$broken/"
sed -i '13s/^10\r$/zehn\r/' "$broken/autorun/options.dat"
refused=$work/refused.iso
status=0
output=$(make_medium "$broken" "$refused" 2>&1) || status=$?
check "an erroneous menu is refused with status 1" test "$status" = 1
check "the refusal shows the checker's finding" grep -q "^autorun/options.dat:13: Fehler:" <<<"$output"
check "no image after the refusal" test ! -e "$refused" -a ! -e "$refused.partial"
check "--force builds it anyway" make_medium "$broken" "$refused" --force
check "the forced image is there" test -s "$refused"

# A name Joliet would cut: refused and listed.
overlong=$(printf 'L%.0s' $(seq 70)).txt
touch "$broken/programme/$overlong"
sed -i '13s/^zehn\r$/10\r/' "$broken/autorun/options.dat"
status=0
output=$(make_medium "$broken" "$work/cut.iso" 2>&1) || status=$?
check "a name Joliet would change is refused with status 1" test "$status" = 1
check "the name is listed" grep -qF "/programme/$overlong" <<<"$output"
check "no image for it" test ! -e "$work/cut.iso"

# A stick: the same layout; a folder in use is refused, --force copies over
# it and leaves the other files.
stick=$work/stick
check "the medium is copied to a new folder" make_medium "$author" --usb "$stick"
check "stick: autorun.exe is the release program" cmp -s "$demo/autorun.exe" "$stick/autorun.exe"
check "stick: autorun.inf written" cmp -s "$work/expected.inf" "$stick/autorun.inf"
check "stick: the menu folder" cmp -s "$author/autorun/options.dat" "$stick/autorun/options.dat"
check "stick: the long document" test -f "$stick/programme/$long_name"
touch "$stick/alt.txt"
status=0
make_medium "$author" --usb "$stick" 2>/dev/null || status=$?
check "a folder in use is refused with status 1" test "$status" = 1
check "--force copies over it" make_medium "$author" --usb "$stick" --force
check "--force leaves the other files" test -e "$stick/alt.txt"

# Folders of any name: one no ANSI code page spells, with characters a shell
# would expand; one in Latin-1 bytes, as the file system has them; one deeper
# than 260 characters. Each becomes an image and a stick of such a name.
long_name="Ordner mit einem langen Namen, wie ihn ein Anwender einem Medium gibt"
for name in "Медиум Ωmega 日本 [1] *" "$(printf 'M\xfcller CD')" "$long_name/$long_name/$long_name/$long_name"; do
  what="author's folder ${name:0:20}"
  mkdir -p "$work/$name"
  cp -r "$author/." "$work/$name/"
  check "$what: an image is made" make_medium "$work/$name" "$work/$name.iso"
  check "$what: the image holds the menu" has_line "/autorun/options.dat" "$(joliet "$work/$name.iso" -find / | tr -d "'")"
  check "$what: a stick is filled" make_medium "$work/$name" --usb "$work/$name Stick"
  check "$what: the stick holds the menu program" cmp -s "$demo/autorun.exe" "$work/$name Stick/autorun.exe"
done

finish
