#pragma once

#include <cstdint>

namespace ondulix {

// Notes are MIDI note numbers: 60 is C4, 69 is A4 at 440 Hz.
inline constexpr int kNoNote = -1;
// The keys' octaves: C1 (32.7 Hz) to C7, whose keys reach E9.
inline constexpr int kLowestKeyOctave = 1;
inline constexpr int kHighestKeyOctave = 7;

// The note a key of the computer's keyboard plays, in semitones above its octave's C, or kNoNote:
// the lower row from Z is the octave from C, with the black keys on the row above (S, D, G, H,
// J), and goes on into the next octave with , L and .; the upper row from Q is the next octave,
// its black keys on the digits, and goes on to E with I 9 O 0 P, as trackers lay them out. The
// key is named by its place, the XKB keycode (the evdev code + 8) that Qt gives as the native
// scan code on X11 and Wayland, so that every keyboard layout plays the same notes.
int keySemitone(std::uint32_t scanCode);

// The octave step of numpad / (-1) and * (+1), by their places as keySemitone() reads them; 0
// for any other key.
int keyOctaveStep(std::uint32_t scanCode);

// The note of C in `octave`: 60 in octave 4.
constexpr int octaveC(int octave)
{
    return 12 * (octave + 1);
}

// The keys' octave for the preview's pitch: 440 Hz (A4) is octave 4, and each octave of pitch
// one more or less, within the keys' octaves.
int octaveOfPitch(double hertz);

// Equal temperament with A4 at 440 Hz; `note` need not be whole, so that a bend is heard.
double noteHertz(double note);

} // namespace ondulix
