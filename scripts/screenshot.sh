#!/usr/bin/env bash
# screenshot.sh TITLE_REGEX OUTPUT.png
# Waits for a visible window of some size whose title matches, lets it settle
# and saves a picture of the whole (virtual) screen.
set -euo pipefail

window_shown() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "${WIDTH:-0}" -gt 100 ] && [ "${HEIGHT:-0}" -gt 100 ] && return 0
  done
  return 1
}

for _ in $(seq 200); do
  if window_shown "$1"; then
    sleep 1.5
    import -window root "$2"
    exit 0
  fi
  sleep 0.1
done
echo "no window matching '$1' appeared" >&2
exit 1
