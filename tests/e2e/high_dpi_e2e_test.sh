#!/usr/bin/env bash
# Runs the built program in a real X server at scales 1, 2 and 1.5 (QT_SCALE_FACTOR)
# and checks what a user sees and does: at scale 2 the window is twice the size in device pixels,
# the graph's lines are crisp and two device pixels wide, the screenshot is the scale-1 picture at
# twice the size, and a drag at a logical position sets the same samples as at scale 1. At a
# fractional scale, no pointer position on or around the graph puts a sample out of range.
# Samples are read as the user would: "Generate to  Clipboard", then the clipboard.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/x_session.sh"
start_x_server 1280x1280

# The graph's drawing area starts inside its 2-pixel border at logical (8 + 2, 8 + 2) and is 253
# logical pixels square; "Generate to  Clipboard" is centred at logical (340, 532).
area=10
area_size=253
scale=1

start_program() { # scale
    scale=$1
    (cd "$work" && QT_SCALE_FACTOR=$scale exec "$program") &
    app_pid=$!
    window=$(wait_for_window "^Ondulix - ")
    sleep 0.5
}

stop_program() {
    kill -0 "$app_pid" 2>/dev/null || { echo "FAIL: the program ended by itself at scale $scale"; fail=1; }
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

device() { # logical coordinate -> device pixel, as the screen shows it
    awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'
}

# Moves of the pointer inside the window, in device pixels: "x y x y ...", with the left button
# pressed in the middle of the graph first, so the graph holds the pointer for the whole drag,
# and held to the last move. The pause after each move, in seconds, decides whether the program
# takes every move: Qt merges moves that queue up while it is still busy with an earlier one.
drag_device() { # points, pause
    local -a points=($1) commands=()
    local middle
    middle=$(device $((area + area_size / 2)))
    commands+=(mousemove --window "$window" "$middle" "$middle" mousedown 1)
    for ((i = 0; i < ${#points[@]}; i += 2)); do
        commands+=(mousemove --window "$window" "${points[i]}" "${points[i + 1]}" sleep "$2")
    done
    commands+=(mouseup 1)
    xdotool "${commands[@]}"
    sleep 0.2
}

# Moves to logical positions inside the graph's drawing area.
drag_logical() {
    local device_points=()
    local -a points=($1)
    for ((i = 0; i < ${#points[@]}; i += 2)); do
        device_points+=("$(device $((area + points[i])))" "$(device $((area + points[i + 1])))")
    done
    drag_device "${device_points[*]}" 0.05
}

# The 32 samples as whole values -500..500, read from the clipboard text "ABC" TAB values.
samples() {
    xdotool mousemove --window "$window" "$(device 340)" "$(device 532)" click 1
    sleep 0.3
    xclip -o -selection clipboard | tr '\t' '\n' | tail -n +2 \
        | awk '{ v = $0 * 1000; printf "%d ", (v < 0 ? v - 0.5 : v + 0.5) } END { print "" }'
}

shoot() { import -window "$window" "$1"; }
# The positions along a column (or a row) of a screenshot where a colour stands, in device pixels.
positions_in_column() { # shot, x, colour
    convert "$1" -crop "1x$(identify -format %h "$1")+$2+0" +repage txt:- \
        | awk -v c="$3" 'index($0, c) { split($1, p, /[,:]/); printf "%s ", p[2] }'
}
positions_in_row() { # shot, y, colour
    convert "$1" -crop "$(identify -format %w "$1")x1+0+$2" +repage txt:- \
        | awk -v c="$3" 'index($0, c) { split($1, p, /[,:]/); printf "%s ", p[1] }'
}
curve="#00FF00"
centre="#009600"

# A drag through logical positions of the drawing area, with the samples they set: (0, 0) gives
# sample 0 = 500, (8, 40) sample 1 = 340, (60, 100) sample 7 = 100, (130, 20) sample 16 = 420,
# (250, 250) sample 31 = -500; (251, 100) lies outside and sets nothing.
drag_points="1 1 0 0 8 40 60 100 130 20 250 250 251 100"
expected_samples="500 340 0 0 0 0 0 100 0 0 0 0 0 0 0 0 420 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -500 "

# Scale 1: the reference picture and drag.
start_program 1
shoot "$work/one.png"
curve_one=$(positions_in_column "$work/one.png" $((area + 100)) "$curve")
centre_one=$(positions_in_row "$work/one.png" $((area + 100)) "$centre")
drag_logical "$drag_points"
check "drag at scale 1 sets the samples under the pointer" "$expected_samples" "$(samples)"
stop_program

# Scale 2.
start_program 2
eval "$(xdotool getwindowgeometry --shell "$window")"
check "window at scale 2 in device pixels" "828x1098" "${WIDTH}x${HEIGHT}"
shoot "$work/two.png"
curve_two=$(positions_in_column "$work/two.png" $((2 * (area + 100))) "$curve")
centre_two=$(positions_in_row "$work/two.png" $((2 * (area + 100))) "$centre")
# Two neighbouring device pixels, within a device pixel of twice where scale 1 draws the line.
near_double() { # scale-1 position, scale-2 positions
    local a b
    read -r a b <<<"$2"
    [[ -n "$b" && $((b - a)) -eq 1 && $a -ge $((2 * $1 - 1)) && $b -le $((2 * $1 + 2)) ]] \
        && echo "2 pixels at twice the place" || echo "'$2' for '$1' at scale 1"
}
check "flat curve at scale 2" "2 pixels at twice the place" "$(near_double "$curve_one" "$curve_two")"
check "vertical centre line at scale 2" "2 pixels at twice the place" \
    "$(near_double "$centre_one" "$centre_two")"
drag_logical "$drag_points"
check "drag at scale 2 sets the same samples as at scale 1" "$expected_samples" "$(samples)"
shoot "$work/two-drawn.png"
# Crisp: the drawn graph holds its four colours and no blend of them.
check "graph at scale 2 drawn without blending" \
    "#004000 #006400 #009600 #00FF00 " \
    "$(convert "$work/two-drawn.png" -crop "$((2 * area_size))x$((2 * area_size))+$((2 * area))+$((2 * area))" \
        +repage -unique-colors txt:- | awk 'NR > 1 { printf "%s ", $3 }')"
# The whole window at half size is the scale-1 picture (text and borders render a little
# differently at twice the resolution; a picture shifted by 4 pixels differs by 0.15).
difference=$(convert "$work/two.png" -resize 50% "$work/two-half.png" \
    && compare -metric RMSE "$work/one.png" "$work/two-half.png" null: 2>&1 | sed -E 's/.*\((.*)\)/\1/' || true)
check "scale-2 screenshot is the scale-1 picture at twice the size (RMSE $difference)" yes \
    "$(awk -v d="$difference" 'BEGIN { print (d != "" && d < 0.1) ? "yes" : "no" }')"
if [[ -n "${ONDULIX_SCREENSHOT_DIR:-}" ]]; then cp "$work"/one.png "$work"/two.png "$ONDULIX_SCREENSHOT_DIR"; fi
stop_program

# A fractional scale, 1.5. The graph takes pointer positions up to 3755 units, 250.33 logical
# pixels into its drawing area. Sweeps cross each edge of that square through every device pixel
# of a band of 9, at the middle of every column (or at 32 heights), and once more beyond each end
# of the edge. Whatever position the pointer takes, the samples stay in range and the program
# keeps running. Across the bottom edge every sample ends at -500, across the top edge at 500:
# the last position the graph takes is full scale.
graph_end=$(awk -v a="$area" 'BEGIN { print a + 3755 / 15 }')
across_edge() { # device position before the edge, after it: positions one apart
    local step=1
    (($2 < $1)) && step=-1
    seq "$1" "$step" "$2"
}
along_edge() { # the middle of every column, and a position beyond each end, in device pixels
    device $((area - 3))
    for column in $(seq 0 31); do
        echo " $(device "$(awk -v a="$area" -v c="$column" 'BEGIN { print a + (c + 0.5) * 117.34375 / 15 }')")"
    done
    echo " $(device $((area + area_size + 3)))"
}
sweep() { # rows|columns, device position before the edge, after it
    local points=() along across
    for along in $(along_edge); do
        for across in $(across_edge "$2" "$3"); do
            if [[ "$1" == rows ]]; then points+=("$along" "$across"); else points+=("$across" "$along"); fi
        done
    done
    drag_device "${points[*]}" 0.01
}
in_range() {
    awk '{ for (i = 1; i <= NF; ++i) if ($i < -500 || $i > 500) bad = 1 }
         END { print (NF == 32 && !bad) ? "in range" : "out of range: " $0 }'
}
all_at() { for _ in $(seq 32); do printf '%s ' "$1"; done; }
start_program 1.5
near=$(device "$area")
far=$(device "$graph_end")
sweep columns $((far - 4)) $((far + 4))
check "scale 1.5: across the right edge" "in range" "$(samples | in_range)"
sweep columns $((near + 4)) $((near - 4))
check "scale 1.5: across the left edge" "in range" "$(samples | in_range)"
sweep rows $((far - 4)) $((far + 4))
check "scale 1.5: down across the bottom edge" "$(all_at -500)" "$(samples)"
sweep rows $((near + 4)) $((near - 4))
check "scale 1.5: up across the top edge" "$(all_at 500)" "$(samples)"
stop_program

exit $fail
