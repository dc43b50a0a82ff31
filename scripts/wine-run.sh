#!/usr/bin/env bash
# wine-run.sh BUILD_DIR PROGRAM [ARGS...]
# Runs a Windows program in the build folder's Wine session (see
# wine-session.sh); with PANDOR7_WINE_DPI set, in the prefix of that
# resolution.
set -euo pipefail
session=$1/wine-session
shift
env_file=$session/env
[ -n "${PANDOR7_WINE_DPI:-}" ] && env_file=$session/dpi$PANDOR7_WINE_DPI.env
[ -f "$env_file" ] || { echo "no Wine session at $env_file; run wine-session.sh start first" >&2; exit 1; }
source "$env_file"
exec wine "$@"
