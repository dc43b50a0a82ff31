# Shared by the end-to-end scripts: the build's Wine session, a fresh copy of
# the demo medium, and checks that fail the script with a message.
set -euo pipefail
source "$PANDOR7_BUILD/wine-session/env"

watcher=$1
demo=$2
failures=0

fresh_medium() {
  local medium
  medium=$(mktemp -d "$PANDOR7_BUILD/e2e-medium.XXXXXX")
  cp -r "$demo/." "$medium/"
  echo "$medium"
}

inspect() { wine "$watcher" "$@"; }

# start_menu MEDIUM [VARIABLE=VALUE...]: starts the medium's autorun.exe in
# the background, with the variables in its environment; its pid is in $pid.
start_menu() {
  local medium=$1
  shift
  (cd "$medium" && exec env "$@" wine autorun.exe) >/dev/null 2>&1 &
  pid=$!
}

check() {
  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

# Waits up to SECONDS for the background process to end.
ended_within() {
  local pid=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

finish() {
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}
