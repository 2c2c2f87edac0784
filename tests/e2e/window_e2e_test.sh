#!/usr/bin/env bash
# The built program in a real X server, one case per road a user takes: what the window shows
# at scale 1, and on a high-DPI screen at scale 2, and that a drag draws at any scale.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/x_session.sh"
start_x_server 1280x1280

start_program() { # scale
    (cd "$work" && QT_SCALE_FACTOR=$1 exec "$program") &
    app_pid=$!
    window=$(wait_for_window "^Ondulix - ")
    sleep 0.5
}
stop_program() {
    kill -0 "$app_pid" || { echo "FAIL: the program ended by itself"; fail=1; }
    kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
}
pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info: | tr -d ' '; }

# The graph's drawing area starts inside its 2-pixel border at (10, 10); graph units 1877 and
# 1878 fall in its row 125. At scale 2 everything is twice the size, lines two pixels wide.
case_window_at_scale() { # scale
    local s=$1 g=$((10 * $1))
    start_program "$s"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    check "window size at scale $s" "$((414 * s))x$((549 * s))" "${WIDTH}x${HEIGHT}"
    check "title" "Ondulix - (Rev.0.0.5 -  2006/05/11)" "$(xdotool getwindowname "$window")"
    import -window "$window" "$work/shot.png"
    check "graph background" "srgb(0,64,0)" "$(pixel $((g + 200 * s)) $((g + 200 * s)))"
    check "centre line" "srgb(0,150,0)" "$(pixel $((g + 125 * s)) $((g + 200 * s)))"
    check "quarter line" "srgb(0,100,0)" "$(pixel $((g + 200 * s)) $((g + 62 * s)))"
    check "flat curve" "srgb(0,255,0)" "$(pixel $((g + 200 * s)) $((g + 125 * s)))"
    check "nothing above it" "srgb(0,64,0)" "$(pixel $((g + 200 * s)) $((g + 125 * s - s)))"
    # A drag to logical (125, 60) of the graph sets sample 16 to 260, read back as the user
    # would: Generate to  Clipboard (centred at logical (340, 532)), then the clipboard.
    xdotool mousemove --window "$window" $((g + 8 * s)) $((g + 40 * s)) mousedown 1 \
        mousemove --window "$window" $((g + 125 * s)) $((g + 60 * s)) sleep 0.2 mouseup 1 \
        mousemove --window "$window" $((340 * s)) $((532 * s)) click 1 sleep 0.3
    check "drawn sample at scale $s" " .26" "$(xclip -o -selection clipboard | cut -f 17)"
    stop_program
}

case_window_at_scale 1
case_window_at_scale 2
exit $fail
