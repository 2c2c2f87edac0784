#!/usr/bin/env bash
# The editing road in a real X server: a file named on the command line, a stroke on the graph,
# undo and redo, the transforms and a paste with the real keys, each wave read back by Ctrl+C.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/x_session.sh"
check "--version prints without a display" "ondulix 0.0.5" "$("$program" --version)"
start_x_server 800x700
zeros() { local i; for ((i = 0; i < $1; i++)); do printf '%s' "$2"; done; }
printf ' 1, .5,-.25%s\r\n' "$(zeros 30 ', 0')" >"$work/start.csv"
(cd "$work" && exec "$program" "$work/start.csv") &
app_pid=$!
window=$(wait_for_window "^Ondulix - ")
sleep 0.5
xdotool windowfocus --sync "$window"
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
wave() { key ctrl+c; xclip -o -selection clipboard 2>/dev/null || true; }
# Presses the keys, then checks the wave: description, expected wave.
after() { key $1; check "$2" "$3" "$(wave)"; }

opened="ABC"$'\t'" .5"$'\t'"-.25$(zeros 30 $'\t'' 0')"
check "the file named at the start is shown" "$opened" "$(wave)"
# A stroke near the bottom of the graph, across its first samples.
xdotool mousemove --window "$window" 12 240 mousedown 1
for x in 40 80; do sleep 0.1; xdotool mousemove --window "$window" "$x" 240; done
xdotool mouseup 1
drawn=$(wave)
[[ "$drawn" != "$opened" ]] || { echo "FAIL: the stroke drew nothing"; fail=1; }
after ctrl+z "Ctrl+Z undoes the stroke" "$opened"
after ctrl+shift+z "Ctrl+Shift+Z redoes it" "$drawn"
after "ctrl+z ctrl+y" "so does Ctrl+Y" "$drawn"

# Only if each of these keys does its part do .5 and -.25 end, inverted, at 30 and 29.
after "ctrl+z ctrl+i ctrl+Right ctrl+Right ctrl+Left ctrl+r" "Ctrl+I, Ctrl+Right, Ctrl+Left, Ctrl+R" \
    "ABC$(zeros 29 $'\t'' 0')"$'\t'" .25"$'\t'"-.5"$'\t'" 0"
printf '100, 200, -300%s' "$(zeros 29 ', 0')" | xclip -selection clipboard
after ctrl+v "Ctrl+V pastes whole sample values" "ABC"$'\t'" .1"$'\t'" .2"$'\t'"-.3$(zeros 29 $'\t'' 0')"

kill -0 "$app_pid" || { echo "FAIL: the program ended by itself"; exit 1; }
exit $fail
