# Plays notes into the program by the computer's keys (xdotool) and a MIDI keyboard (a JACK
# client) while the null sink's monitor is recorded. Prints a line a note: its name, the pitch
# heard (Hz) and the time from the press to its first loud frame (ms), dated by when the
# recording's reads arrive, so that the recording's own delay counts against the program; then
# whether the stream stayed open between the notes and closed 2 s after them.
import array, os, subprocess, threading, time
import rtmidi

RATE = 48000
frames, reads = array.array("h"), []  # reads: (arrival time, frames so far)
recorder = subprocess.Popen(["parec", "-d", "preview.monitor", "--raw", "--format=s16le",
                             "--rate=48000", "--channels=1", "--latency-msec=5"],
                            stdout=subprocess.PIPE)


def record():
    while data := os.read(recorder.stdout.fileno(), 960):
        frames.frombytes(data[: len(data) // 2 * 2])
        reads.append((time.monotonic(), len(frames)))


def streams():
    return subprocess.run(["pactl", "list", "short", "sink-inputs"], capture_output=True,
                          text=True).stdout.count("\n")


midi = rtmidi.MidiOut(rtmidi.API_UNIX_JACK, name="keyboard")
midi.open_port([p.startswith("Ondulix:") for p in midi.get_ports()].index(True))
key = lambda *args: lambda: subprocess.run(["xdotool", *args], check=True)
# (name, press, release); the first note opens the stream, which takes its time, and is held
# longer. The bend comes while note 69 is held.
notes = [("Z", key("keydown", "z"), key("keyup", "z"))] * 6 + [
    ("Q", key("keydown", "q"), key("keyup", "q")),
    ("Z+octave", key("key", "KP_Multiply", "keydown", "z"), key("keyup", "z", "key", "KP_Divide")),
    ("MIDI_69", lambda: midi.send_message([0x90, 69, 100]), lambda: None),
    ("bent", lambda: midi.send_message([0xE0, 0x7F, 0x7F]), lambda: midi.send_message([0x80, 69, 0]))]
threading.Thread(target=record, daemon=True).start()
time.sleep(0.5)
pressed = []
for name, press, release in notes:
    start = time.monotonic()
    press()
    time.sleep(0.3 if pressed else 2)
    pressed.append((name, start, time.monotonic()))
    release()
    time.sleep(0 if name == "MIDI_69" else 0.3)
kept = streams()
time.sleep(3)
closed = streams()
recorder.terminate()
frame_at = lambda moment: next((n for at, n in reads if at >= moment), len(frames))
for name, start, end in pressed:
    first = next((j for j in range(frame_at(start - 0.05), frame_at(end)) if abs(frames[j]) > 8000), 0)
    at, n = next((at, n) for at, n in reads if n > first)
    # The ramp falls once a period; spacings that a late buffer shortened are left out.
    falls = [j for j in range(frame_at(start + 0.1), frame_at(end) - 2400)
             if frames[j] - frames[j - 1] < -16000]
    spacings = sorted(b - a for a, b in zip(falls, falls[1:])) or [0]
    whole = [d for d in spacings if abs(d - spacings[len(spacings) // 2]) <= 2]
    print("%s %.2f %.1f" % (name, RATE * len(whole) / max(sum(whole), 1),
                            1000 * (at - (n - 1 - first) / RATE - start)))
print("kept", kept, "closed", closed)
