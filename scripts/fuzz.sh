#!/usr/bin/env bash
# fuzz.sh [SECONDS]: builds the fuzz targets with clang into build/fuzz and
# fuzzes each reader of medium files for SECONDS (default 14) from its seed
# corpus. The test command runs it briefly; run it longer by hand. A target
# that finds a fault fails and leaves the input in build/fuzz (crash-*).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

seconds=${1:-14}
CC=clang CXX=clang++ configure_and_build fuzz -DPANDOR7_FUZZ=ON -DPANDOR7_FUZZ_SECONDS="$seconds" >/dev/null
cd "$PANDOR7_BUILD/fuzz"
ctest --output-on-failure --timeout $((seconds + 120))
