#!/usr/bin/env bash
# The editing road in a real X server: a file named on the command line, a stroke on the graph,
# undo and redo with the real keys, a transform and a paste, each read back through the clipboard.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/x_session.sh"
check "--version" "ondulix 0.0.5" "$("$program" --version)"
"$program" --help | grep -q "FILE.csv" && echo "ok: --help" || { echo "FAIL: --help"; fail=1; }

start_x_server 800x700
zeros() { local i; for ((i = 0; i < $1; i++)); do printf '%s' "$2"; done; }
printf ' 1, .5,-.25%s\r\n' "$(zeros 30 ', 0')" >"$work/start.csv"

(cd "$work" && exec "$program" "$work/start.csv") &
app_pid=$!
window=$(wait_for_window "^Ondulix - ")
sleep 0.5
xdotool windowfocus --sync "$window"
# Each key goes to the window; the clipboard then holds the wave as Ctrl+C copies it.
key() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
wave() { key ctrl+c; xclip -o -selection clipboard 2>/dev/null || true; }

opened="ABC"$'\t'" .5"$'\t'"-.25$(zeros 30 $'\t'' 0')"
check "the file named at the start is shown" "$opened" "$(wave)"

# A stroke across the first samples near the bottom of the graph (it starts at 10, 10).
xdotool mousemove --window "$window" 12 240 mousedown 1
for x in 30 60 80; do xdotool mousemove --window "$window" "$x" 240; sleep 0.05; done
xdotool mouseup 1
sleep 0.2
drawn=$(wave)
[[ "$drawn" != "$opened" ]] && echo "ok: the stroke drew" || { echo "FAIL: the stroke drew nothing"; fail=1; }
key ctrl+z
check "Ctrl+Z undoes the stroke" "$opened" "$(wave)"
key ctrl+shift+z
check "Ctrl+Shift+Z redoes it" "$drawn" "$(wave)"
key ctrl+z
key ctrl+y
check "so does Ctrl+Y" "$drawn" "$(wave)"

key ctrl+z
key ctrl+i
check "Ctrl+I inverts" "ABC"$'\t'"-.5"$'\t'" .25$(zeros 30 $'\t'' 0')" "$(wave)"
key ctrl+r
check "Ctrl+R reverses" "ABC$(zeros 30 $'\t'' 0')"$'\t'" .25"$'\t'"-.5" "$(wave)"
key ctrl+Right
check "Ctrl+Right rotates later" "ABC"$'\t'"-.5$(zeros 30 $'\t'' 0')"$'\t'" .25" "$(wave)"
key ctrl+Left
check "Ctrl+Left rotates earlier" "ABC$(zeros 30 $'\t'' 0')"$'\t'" .25"$'\t'"-.5" "$(wave)"

printf '100, 200, -300%s' "$(zeros 29 ', 0')" | xclip -selection clipboard
key ctrl+v
check "Ctrl+V pastes whole sample values" "ABC"$'\t'" .1"$'\t'" .2"$'\t'"-.3$(zeros 29 $'\t'' 0')" "$(wave)"

kill -0 "$app_pid" || { echo "FAIL: the program ended by itself"; exit 1; }
exit $fail
