#!/usr/bin/env bash
# screenshot.sh TITLE_REGEX OUTPUT.png [SETTLE_SECONDS]
# Waits for a visible window of some size whose title matches, lets it settle
# and saves a picture of that window.
set -euo pipefail

shown_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "${WIDTH:-0}" -gt 100 ] && [ "${HEIGHT:-0}" -gt 100 ] && { echo "$id"; return 0; }
  done
  return 1
}

for _ in $(seq 300); do
  if id=$(shown_window "$1"); then
    sleep "${3:-1.5}"
    import -window "$id" "$2"
    exit 0
  fi
  sleep 0.1
done
echo "no window matching '$1' appeared" >&2
exit 1
