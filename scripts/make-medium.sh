#!/usr/bin/env bash
# Makes a medium from a menu author's folder: checks the menu with
# pandor7-check, then writes an ISO 9660 image with Joliet and Rock Ridge, or
# copies the same layout into a folder (a mounted USB stick).
#
#   make-medium.sh MEDIUM_ROOT IMAGE.iso [--label NAME] [--force]
#   make-medium.sh MEDIUM_ROOT --usb FOLDER [--label NAME] [--force]
#
# MEDIUM_ROOT itself is never changed: when it has no autorun.exe or no
# autorun.inf, the release menu program and a written autorun.inf go into
# the image or the folder only. --force goes on despite the checker's errors,
# names Joliet would change, or a folder that isn't empty. Exit status: 0
# made, 1 refused, 2 couldn't work. Authors' documentation:
# docs/menu-format.md#making-a-medium.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

checker=$PANDOR7_BUILD/native/checker/pandor7-check
# The label rules (menu/medium_label.h), and what the script does beyond them.
label_tool=$PANDOR7_BUILD/native/checker/pandor7-label
label_script=$here/medium_label.py
# The program that ships is the i686 one, which runs on every Windows PC.
# PANDOR7_RELEASE_PROGRAM puts another in its place (the tests of the x86_64
# build start the medium they make under wine64).
release_program=${PANDOR7_RELEASE_PROGRAM:-$PANDOR7_BUILD/win32/demo-medium/autorun.exe}
# A stick's file system keeps these of its own; they don't make it "in use".
file_system_entries=("System Volume Information" "lost+found")

usage() {
  echo "usage: make-medium.sh MEDIUM_ROOT IMAGE.iso [--label NAME] [--force]" >&2
  echo "       make-medium.sh MEDIUM_ROOT --usb FOLDER [--label NAME] [--force]" >&2
  exit 2
}
say() { echo "make-medium: $*" >&2; }
cannot() {
  say "$*"
  exit 2
}
refuse() {
  say "$*"
  exit 1
}

root="" image="" usb="" label="" force=0
while [ $# -gt 0 ]; do
  case $1 in
    --label) [ $# -ge 2 ] || usage; label=$2; shift 2 ;;
    --usb) [ $# -ge 2 ] || usage; usb=$2; shift 2 ;;
    --force) force=1; shift ;;
    -*) usage ;;
    *)
      if [ -z "$root" ]; then root=$1; elif [ -z "$image" ]; then image=$1; else usage; fi
      shift
      ;;
  esac
done
[ -n "$root" ] || usage
if [ -n "$image" ] && [ -n "$usb" ] || [ -z "$image" ] && [ -z "$usb" ]; then usage; fi
[ -d "$root" ] || cannot "$root is not a folder"
root=$(cd "$root" && pwd -P)

# The path with its folder made absolute; the folder must exist.
absolute() {
  local folder
  folder=$(cd "$(dirname "$1")" 2>/dev/null && pwd -P) || cannot "no folder for $1"
  echo "$folder/$(basename "$1")"
}

inside_root() {
  case "$1/" in "$root/"*) return 0 ;; *) return 1 ;; esac
}

# Windows and CDs ignore letter case, so AUTORUN.INF counts as autorun.inf.
root_has() {
  [ -n "$(find "$root" -maxdepth 1 -iname "$1" -print -quit)" ]
}

build_what_is_missing() {
  local needs_program=$1
  if [ ! -x "$checker" ] || [ ! -x "$label_tool" ] || { [ "$needs_program" = 1 ] && [ ! -f "$release_program" ]; }; then
    bash "$here/setup.sh"
  fi
  if [ ! -x "$checker" ] || [ ! -x "$label_tool" ]; then
    say "building the checker"
    configure_and_build native >/dev/null
    [ -x "$checker" ] || cannot "the build made no checker at $checker"
    [ -x "$label_tool" ] || cannot "the build made no label tool at $label_tool"
  fi
  if [ "$needs_program" = 1 ] && [ ! -f "$release_program" ]; then
    say "building the menu program"
    build_windows i686 demo_medium >/dev/null
    [ -f "$release_program" ] || cannot "the build made no menu program at $release_program"
  fi
}

check_menu() {
  local status=0
  "$checker" "$root" || status=$?
  case $status in
    0) ;;
    1)
      [ "$force" = 1 ] || refuse "the menu has errors (see above); mend them, or build anyway with --force"
      say "the menu has errors; building anyway (--force)"
      ;;
    2) cannot "the checker couldn't check $root" ;;
    *) cannot "the checker failed (status $status)" ;;
  esac
}

chosen_label() {
  local report status=0
  if [ -n "$label" ]; then
    echo "$label"
    return
  fi
  report=$("$checker" --json "$root") || status=$?
  [ "$status" -le 1 ] || cannot "the checker couldn't check $root"
  python3 "$label_script" choose "" <<<"$report"
}

# Fills $stage with what the medium gets beyond MEDIUM_ROOT; names them in $additions.
stage_additions() {
  additions=()
  if ! root_has autorun.exe; then
    cp "$release_program" "$stage/autorun.exe"
    additions+=(autorun.exe)
  fi
  if ! root_has autorun.inf; then
    "$label_tool" write-autorun-inf "$label" "$stage/autorun.inf"
    additions+=(autorun.inf)
  fi
}

# xorriso, told that names on the disk are UTF-8, with the medium's tree:
# links followed, Joliet and Rock Ridge beside the ISO 9660 names, no copy
# of the descriptors for rewritable media (so exactly one Joliet descriptor).
xorriso_with_tree() {
  local outdev=$1
  shift
  local maps=(-map "$root" /) name
  for name in "${additions[@]}"; do maps+=(-map "$stage/$name" "/$name"); done
  xorriso -report_about WARNING -local_charset UTF-8 -follow link:mount -joliet on -rockridge on \
    -compliance no_emul_toc -outdev "$outdev" -volid "$iso_volume_id" \
    "${maps[@]}" "$@"
}

make_image() {
  image=$(absolute "$image")
  inside_root "$image" && cannot "the image must not lie inside $root"
  local changed
  changed=$(xorriso_with_tree "$stage/dry-run.iso" -find / -bad_outname joliet -- \
    -rollback_end 2>/dev/null) || cannot "xorriso couldn't read $root"
  if [ -n "$changed" ]; then
    say "Windows would see these names otherwise (Joliet: at most 64 characters, none of * / : ; ? \\):"
    echo "$changed" >&2
    [ "$force" = 1 ] || refuse "rename them, or build anyway with --force"
  fi
  partial=$image.partial
  rm -f "$partial"
  xorriso_with_tree "$partial" -commit >/dev/null 2>"$stage/xorriso.log" || {
    cat "$stage/xorriso.log" >&2
    cannot "xorriso couldn't write the image"
  }
  # The Joliet volume id is set below, whatever xorriso says of its length.
  grep -v "RockRidge filesystem manipulator\|too long for Joliet\|^$" "$stage/xorriso.log" >&2 || true
  python3 "$label_script" set-joliet-volume-id "$partial" "$joliet_volume_id"
  mv -f "$partial" "$image"
  say "wrote $image ($(du -m "$image" | cut -f1) MB), label $label"
}

copy_to_folder() {
  local target name
  target=$(absolute "$usb")
  inside_root "$target" && cannot "the folder must not lie inside $root"
  mkdir -p "$target"
  local others=(-mindepth 1 -maxdepth 1)
  for name in "${file_system_entries[@]}"; do others+=(! -name "$name"); done
  if [ -n "$(find "$target" "${others[@]}" -print -quit)" ]; then
    [ "$force" = 1 ] || refuse "$target isn't empty; empty it, or copy over it with --force"
    say "$target isn't empty; copying over it (--force)"
  fi
  cp -RL --preserve=timestamps "$root/." "$target/" || cannot "copying to $target failed"
  for name in "${additions[@]}"; do cp "$stage/$name" "$target/$name" || cannot "copying to $target failed"; done
  say "copied the medium to $target, label $label"
}

needs_program=1
root_has autorun.exe && needs_program=0
build_what_is_missing "$needs_program"
command -v xorriso >/dev/null || cannot "xorriso is missing; run scripts/setup.sh"
check_menu
label=$(chosen_label)
iso_volume_id=$("$label_tool" iso-volume-id "$label")
joliet_volume_id=$("$label_tool" joliet-volume-id "$label")
stage=$(mktemp -d)
partial=""  # the image while it is written
trap 'rm -rf "$stage" "$partial"' EXIT
stage_additions
if [ -n "$image" ]; then make_image; else copy_to_folder; fi
