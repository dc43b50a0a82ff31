#!/usr/bin/env bash
# make-release.sh [OUTPUT_FOLDER]
# Makes pandor7-VERSION.zip, the package for Windows authors: the menu
# editor, the menu program beside it and the checker (the shipped i686
# builds, stripped and static, each passing the import check), and the
# authors' reference. Written to OUTPUT_FOLDER, else to the build folder;
# prints the zip's path.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

output=${1:-$PANDOR7_BUILD}
bash "$here/setup.sh" >&2
build_windows i686 pandor7_package >&2
build=$PANDOR7_BUILD/$(windows_build_name i686)
package=$build/pandor7
objdump=i686-w64-mingw32-objdump
# check PROGRAM [tool]: the menu may import less than the editor and the checker.
check() {
  bash "$PANDOR7_ROOT/tests/e2e/check_imports.sh" "$objdump" "$package/$1" "${2:-}" >/dev/null ||
    { echo "make-release: $1 fails the import check" >&2; exit 1; }
}
check autorun.exe
check pandor7-edit.exe tool
check pandor7-check.exe tool

version=$(sed -n 's/^project(Pandor7 VERSION \([0-9.]*\).*/\1/p' "$PANDOR7_ROOT/CMakeLists.txt")
mkdir -p "$output"
zip=$(cd "$output" && pwd -P)/pandor7-$version.zip
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/pandor7-$version"
cp "$package"/* "$stage/pandor7-$version/"
rm -f "$zip"
(cd "$stage" && python3 -c '
import sys, zipfile, os
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    for root, _, files in os.walk(sys.argv[2]):
        for f in sorted(files):
            z.write(os.path.join(root, f))
' "$zip" "pandor7-$version")
echo "$zip"
