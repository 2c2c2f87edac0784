#!/usr/bin/env bash
# Drives Qt's real file dialog in a real X server: opens a CSV file by typing its full path,
# reads line 1 back through the clipboard, then saves the table under a typed full path and
# compares the bytes written.
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/x_session.sh"
start_x_server 800x700

# Clicks a button of the main window at its centre, in logical pixels of the client area.
click_at() {
    local window
    window=$(wait_for_window "^Ondulix - ")
    xdotool mousemove --window "$window" "$1" "$2" click 1
}
# Types a full path into the file dialog's name field, over whatever it held, and accepts it.
answer_dialog() { # title, path
    local dialog
    dialog=$(wait_for_window "$1")
    sleep 0.3
    xdotool windowfocus --sync "$dialog"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$2"
    xdotool key Return
}
zeros() { local i; for ((i = 0; i < $1; i++)); do printf ', 0'; done; }

# Line 1 in padded form, line 2 in the forms another tool might write, the rest never stored.
{
    printf ' 1, .5,-.25, 0, .001%s\r\n' "$(zeros 28)"
    printf '2,abc,0.1,-0.5\r\n'
} >"$work/input.csv"

(cd "$work" && exec "$program") &
app_pid=$!
wait_for_window "^Ondulix - " >/dev/null
sleep 0.5

# Button centres: cmdOpen (272, 8), cmdSave (272, 40), cmdGenerate (272, 520), each 137 x 25.
click_at 340 20
answer_dialog "^Open$" "$work/input.csv"
sleep 0.5
click_at 340 532
sleep 0.3
expected_clip="ABC"$'\t'" .5"$'\t'"-.25"$'\t'" 0"$'\t'" .001"
for ((i = 0; i < 28; i++)); do expected_clip+=$'\t'" 0"; done
check "line 1 on the clipboard after Open CSV" "$expected_clip" \
    "$(xclip -o -selection clipboard 2>/dev/null || true)"

click_at 340 52
answer_dialog "^Save As$" "$work/saved.csv"
for _ in $(seq 50); do [[ -s "$work/saved.csv" ]] && break; sleep 0.1; done
{
    printf ' 1, .5,-.25, 0, .001%s\r\n' "$(zeros 28)"
    printf ' 2, 0, .1,-.5%s\r\n' "$(zeros 29)"
    for n in $(seq 3 32); do printf ' %d%s\r\n' "$n" "$(zeros 32)"; done
} >"$work/expected.csv"
if cmp -s "$work/expected.csv" "$work/saved.csv"; then
    echo "ok: the saved file, byte for byte"
else
    echo "FAIL: the saved file differs:"; diff <(od -c "$work/expected.csv") <(od -c "$work/saved.csv") | head -20 || true
    fail=1
fi
check "the opened file is untouched" "2,abc,0.1,-0.5" "$(sed -n 2p "$work/input.csv" | tr -d '\r')"

kill -0 "$app_pid" || { echo "FAIL: the program ended by itself"; exit 1; }
exit $fail
