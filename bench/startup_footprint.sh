#!/usr/bin/env bash
# Start-up footprint: the peak memory (VmHWM) and the number of shared libraries mapped of each
# program once its window is up in a real X server (Xvfb), the median of RUNS starts each.
#   bench/startup_footprint.sh RUNS PROGRAM...
# e.g. bench/startup_footprint.sh 5 build/bench/bare_window build/src/app/ondulix
# With QT_QPA_PLATFORM=offscreen set, on Qt's offscreen platform instead, measured 2 s after the
# start. Prints one line for each program: its peak resident memory in MiB and the library count.
set -euo pipefail
runs=$1
shift
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/../tests/e2e/x_session.sh"
offscreen=$([[ "${QT_QPA_PLATFORM:-}" == offscreen ]] && echo 1 || echo 0)
((offscreen)) || start_x_server 1024x768

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for program in "$@"; do
    program=$(realpath "$program")
    : >"$work/peaks"
    : >"$work/libraries"
    for ((run = 0; run < runs; run++)); do
        # From a scratch folder: the program writes its settings file where it starts.
        (cd "$work" && exec "$program") &
        app_pid=$!
        ((offscreen)) || timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" >/dev/null
        # Qt paints the window and settles its fonts after it shows; then the peak holds.
        sleep $((offscreen ? 2 : 1))
        awk '/^VmHWM:/ { print $2 }' "/proc/$app_pid/status" >>"$work/peaks"
        grep -oE '/[^ ]+\.so(\.[0-9]+)*$' "/proc/$app_pid/maps" | sort -u | wc -l \
            >>"$work/libraries"
        kill "$app_pid"
        wait "$app_pid" 2>/dev/null || true
    done
    printf '%s: peak %.1f MiB, %d shared libraries\n' "$(basename "$program")" \
        "$(median <"$work/peaks" | awk '{ print $1 / 1024 }')" "$(median <"$work/libraries")"
done
