#!/usr/bin/env bash
# Starts the real program under a virtual X server with a window manager and saves a
# picture of the main window at start-up: docs/main-window.png by default.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/main-window.png}
bash "$root/scripts/deps.sh" xvfb openbox imagemagick x11-utils
bash "$root/scripts/build.sh" "$root/build" >/dev/null

display=:${SCREENSHOT_DISPLAY:-97}
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 1
QT_QPA_PLATFORM=xcb "$root/build/app/tiveron" &
for _ in $(seq 100); do
  xwininfo -name "Тиверон" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1

# The window with the frame that the window manager drew around it.
info=$(xwininfo -name "Тиверон")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
w=$(awk '/Width:/ {print $2}' <<<"$info")
h=$(awk '/Height:/ {print $2}' <<<"$info")
id=$(awk '/Window id:/ {print $4}' <<<"$info")
read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
mkdir -p "$(dirname "$out")"
import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage "$out"
echo "Saved $out"
