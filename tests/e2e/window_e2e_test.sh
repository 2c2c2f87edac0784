#!/usr/bin/env bash
# Starts the built program in a real X server, takes a screenshot and checks what a user sees:
# the window's size, the graph's background, a centre-line pixel and the flat curve.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/x_session.sh"
start_x_server 800x700

(cd "$work" && exec "$program") &
app_pid=$!
window=$(wait_for_window "^Ondulix - ")
sleep 0.5

eval "$(xdotool getwindowgeometry --shell "$window")"
check "window size" "414x549" "${WIDTH}x${HEIGHT}"
check "window title" "Ondulix - (Rev.0.0.5 -  2006/05/11)" "$(xdotool getwindowname "$window")"

import -window "$window" "$work/shot.png"
pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info: | tr -d ' '; }
# The graph's drawing area starts inside its 2-pixel border at (8 + 2, 8 + 2); a graph unit is
# 1/15 pixel, so unit 1877 and unit 1878 both fall in row 125 of it.
gx=10; gy=10
check "graph background" "srgb(0,64,0)" "$(pixel $((gx + 200)) $((gy + 200)))"
check "vertical centre line" "srgb(0,150,0)" "$(pixel $((gx + 125)) $((gy + 200)))"
check "quarter line" "srgb(0,100,0)" "$(pixel $((gx + 200)) $((gy + 62)))"
check "flat curve over the centre line" "srgb(0,255,0)" "$(pixel $((gx + 200)) $((gy + 125)))"
check "nothing above the curve" "srgb(0,64,0)" "$(pixel $((gx + 200)) $((gy + 124)))"

if [[ -n "${ONDULIX_SCREENSHOT:-}" ]]; then cp "$work/shot.png" "$ONDULIX_SCREENSHOT"; fi
kill -0 "$app_pid" || { echo "FAIL: the program ended by itself"; exit 1; }
exit $fail
