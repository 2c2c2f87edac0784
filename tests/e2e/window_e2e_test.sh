#!/usr/bin/env bash
# Starts the built program in a real X server, takes a screenshot and checks what a user sees:
# the window's size, the graph's background, a centre-line pixel and the flat curve.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# Xvfb picks a free display itself and tells its number, so parallel runs never collide.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x700x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"

(cd "$work" && exec "$program") &
app_pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name "^Ondulix - " 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "FAIL: the window did not appear"; exit 1; }
sleep 0.5

fail=0
check() { # description, expected, actual
    if [[ "$2" == "$3" ]]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}

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
