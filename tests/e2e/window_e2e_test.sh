#!/usr/bin/env bash
# The built program in a real X server, one case per road a user takes: what the window shows
# at scale 1 and 2, and a file opened and saved through Qt's real file dialog.
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
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
answer_dialog() { # title, path: typed over the name field and accepted
    xdotool windowfocus --sync "$(wait_for_window "$1")"
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a type --delay 5 "$2"
    xdotool key Return
}

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
    stop_program
}

# Open CSV and Save CSV through the real dialog; line 1 read back from the clipboard.
case_open_and_save_csv() {
    printf ' 1, .5,-.25%s\r\n2,abc,0.1\r\n' "$(printf ', 0%.0s' $(seq 30))" >"$work/in.csv"
    start_program 1
    click_at 340 20
    answer_dialog "^Open$" "$work/in.csv"
    sleep 0.5
    click_at 340 532
    sleep 0.3
    check "line 1 on the clipboard" "ABC	 .5	-.25	 0" "$(xclip -o -selection clipboard | cut -f1-4)"
    click_at 340 52
    answer_dialog "^Save As$" "$work/out.csv"
    for _ in $(seq 50); do [[ -s "$work/out.csv" ]] && break; sleep 0.1; done
    check "line 2 saved" " 2, 0, .1$(printf ', 0%.0s' $(seq 30))" "$(sed -n 2p "$work/out.csv" | tr -d '\r')"
    check "32 lines saved" "32" "$(grep -c $'\r$' "$work/out.csv")"
    stop_program
}

case_window_at_scale 1
case_window_at_scale 2
case_open_and_save_csv
exit $fail
