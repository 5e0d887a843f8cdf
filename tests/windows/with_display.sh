#!/usr/bin/env bash
# Runs a Windows test program under Wine on a private X display (Xvfb), then
# turns the screenshots it saved (BMP) into PNG.
# Usage: with_display.sh SCREENSHOT_DIR COMMAND...
set -euo pipefail
screenshots=$1
shift
mkdir -p "$screenshots"
rm -f "$screenshots"/*.bmp "$screenshots"/*.png

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$display_file")" QUELRIN_SCREENSHOTS="$screenshots"

status=0
"$@" || status=$?
for bmp in "$screenshots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
exit "$status"
