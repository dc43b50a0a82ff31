#!/usr/bin/env bash
# wine-run.sh BUILD_DIR PROGRAM [ARGS...]
# Runs a Windows program in the build folder's Wine session (see wine-session.sh).
set -euo pipefail
session=$1/wine-session
shift
[ -f "$session/env" ] || { echo "no Wine session in $session; run wine-session.sh start first" >&2; exit 1; }
source "$session/env"
exec wine "$@"
