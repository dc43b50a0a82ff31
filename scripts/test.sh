#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the menu
# data and the checker natively under sanitizers, the fuzz targets briefly,
# then the Windows program and its tests under Wine. Exits non-zero when
# anything fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

bash "$here/setup.sh"

configure_and_build native
build_windows

status=0
(cd "$PANDOR7_BUILD/native" && ctest --output-on-failure) || status=1
bash "$here/fuzz.sh" || status=1
(cd "$PANDOR7_BUILD/win32" && ctest --output-on-failure) || status=1
exit $status
