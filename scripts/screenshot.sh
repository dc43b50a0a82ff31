#!/usr/bin/env bash
# screenshot.sh TITLE_REGEX OUTPUT.png
# Waits for a visible window whose title matches, lets it settle and saves a
# picture of the whole (virtual) screen.
set -euo pipefail
for _ in $(seq 200); do
  if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then
    sleep 1.5
    import -window root "$2"
    exit 0
  fi
  sleep 0.1
done
echo "no window matching '$1' appeared" >&2
exit 1
