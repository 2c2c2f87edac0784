#!/usr/bin/env bash
# Hears the preview for real: a private PulseAudio server with a null sink, the program under
# Xvfb playing into it, and a recording of the sink's monitor. The rising ramp is played at the
# default pitch; the recording must be 440 Hz, and its periods the 32 held steps in order.
# F5 again must silence it.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${app_pid:-}" "${pulse_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/x_session.sh"
start_x_server 800x700

# A server of our own: its own runtime folder and socket, a 48 kHz mono null sink that is the
# default output, and no exit while idle. As root it needs to be told it is not a system server.
mkdir -p "$work/runtime" "$work/home"
socket="$work/pulse.socket"
HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --system=false --disallow-exit --use-pid-file=no --log-target=stderr \
    -L "module-null-sink sink_name=preview rate=48000 channels=1" \
    -L "module-native-protocol-unix socket=$socket auth-anonymous=1" 2>"$work/pulse.log" &
pulse_pid=$!
export PULSE_SERVER="unix:$socket"
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "FAIL: PulseAudio did not start"; cat "$work/pulse.log"; exit 1; }

(cd "$work" && exec "$program") &
app_pid=$!
window=$(wait_for_window "^Ondulix - ")
sleep 0.5

# Ramp2, the rising ramp: the preset button at (380, 340) in the window.
xdotool mousemove --window "$window" 380 340 click 1
sleep 0.2
xdotool key F5
sleep 0.5
pactl list short sink-inputs >"$work/streams"

record() { # seconds, file
    timeout "$1" parec -d preview.monitor --raw --format=s16le --rate=48000 --channels=1 \
        >"$2" || true
}
record 1.2 "$work/playing.raw"
xdotool key F5
sleep 0.4
record 0.6 "$work/stopped.raw"

analysis=$(python3 - "$work/playing.raw" "$work/stopped.raw" <<'PY'
import array, sys

def frames(path):
    data = array.array("h")
    with open(path, "rb") as f:
        data.frombytes(f.read())
    return data

playing, stopped = frames(sys.argv[1]), frames(sys.argv[2])
print("seconds_recorded=%.1f" % (len(playing) / 48000))
print("peak_playing=%s" % ("loud" if max(map(abs, playing), default=0) > 8000 else "silent"))

# The ramp falls from its top to its bottom once a period: the first frame of each period.
starts = [j for j in range(1, len(playing)) if playing[j] - playing[j - 1] < -16000]
if len(starts) < 20:
    print("fundamental=none steps=none")
else:
    # The median spacing of the falls is the period; a late buffer under load may drop frames
    # now and then, which shifts one spacing but not the median.
    spacings = sorted(b - a for a, b in zip(starts, starts[1:]))
    period = spacings[len(spacings) // 2]
    hertz = 48000 / period
    print("fundamental=%s" % ("440" if abs(hertz - 440) <= 440 * 0.005 else "%.2f" % hertz))
    # The middle of each of the 32 steps in whole periods past the fade-in: each must be the
    # ramp's step, the program's value v played as 32 v, to within one sample unit.
    expected = [32 * (i * 31.25 - 500) for i in range(32)]
    whole = [a for a, b in zip(starts[5:], starts[6:]) if abs(b - a - period) <= 1][:10]
    wrong = sum(abs(playing[int(a + (i + 0.5) * period / 32)] - expected[i]) > 32
                for a in whole for i in range(32))
    print("steps=%s" % ("in_order" if whole and wrong == 0 else "%d_wrong" % wrong))
print("after_stop=%s" % ("silent" if max(map(abs, stopped), default=0) < 64 else "sound"))
PY
)
echo "$analysis"
check "the program plays one stream" "1" "$(wc -l <"$work/streams")"
value() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" <<<"$analysis" | head -n 1; }
check "the recording is not silent" "loud" "$(value peak_playing)"
check "fundamental within 0.5% of 440 Hz" "440" "$(value fundamental)"
check "each period holds the ramp's 32 steps in order" "in_order" "$(value steps)"
check "F5 again silences the output" "silent" "$(value after_stop)"
kill -0 "$app_pid" || { echo "FAIL: the program ended by itself"; exit 1; }
exit $fail
