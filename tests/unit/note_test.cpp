#include "sound/chip_oscillator.h"
#include "sound/midi_message.h"
#include "sound/note_keys.h"
#include "sound/note_voice.h"

#include <gtest/gtest.h>
#include <vector>

namespace ondulix {
namespace {

// XKB keycodes by place: both rows from their first note to their last, black keys, and keys
// beside them that are no note; equal temperament from A4 at 440 Hz; the preview's octave.
TEST(NoteKeys, KeysPlayByTheirPlaceInEqualTemperamentFromThePreviewsOctave)
{
    const std::pair<std::uint32_t, int> keys[]
        = {{52, 0}, {39, 1}, {58, 11}, {59, 12}, {60, 14}, {24, 12}, {11, 13}, {30, 23}, {31, 24},
            {33, 28}, {38, kNoNote}, {61, kNoNote}, {34, kNoNote}, {10, kNoNote}, {1000, kNoNote}};
    for (const auto& [place, semitone] : keys)
        EXPECT_EQ(keySemitone(place), semitone) << place;
    EXPECT_EQ(
        std::tuple(keyOctaveStep(106), keyOctaveStep(63), keyOctaveStep(52)), std::tuple(-1, 1, 0));
    EXPECT_NEAR(noteHertz(octaveC(4)), 261.626, 0.001);
    EXPECT_DOUBLE_EQ(noteHertz(57), 220.0);
    EXPECT_NEAR(noteHertz(69 + kBendSemitones), 493.883, 0.001);
    for (const auto& [hertz, octave] : {std::pair {55.0, 1}, {440.0, 4}, {1760.0, 6}, {2e4, 7}})
        EXPECT_EQ(octaveOfPitch(hertz), octave) << hertz;
}

// The last note pressed sounds; letting it go brings back the newest still held. The stream is
// kept while a note is held and for 2 s after the last press or release. MIDI notes come on any
// channel, a note on at velocity 0 is a note off, and a bend goes to 2 semitones either way.
TEST(NoteVoice, OneVoiceTheLastNoteSoundsAndTheStreamIsKeptTwoSeconds)
{
    NoteVoice voice;
    const int heard[] = {voice.press(60, 100), voice.press(64, 110), voice.release(60, 120),
        voice.press(67, 130), voice.release(67, 140), voice.release(64, 5000)};
    EXPECT_EQ(std::vector(std::begin(heard), std::end(heard)),
        std::vector({60, 64, 64, 67, 64, kNoNote}));
    EXPECT_EQ(std::tuple(voice.keepStreamFor(6500), voice.keepStreamFor(7000)), std::tuple(500, 0));
    voice.press(72, 8000);
    EXPECT_EQ(voice.keepStreamFor(20000), 2000) << "while held";
    using Kind = MidiRequest::Kind;
    const std::tuple<std::vector<std::uint8_t>, Kind, int, double> messages[]
        = {{{0x9F, 61, 1}, Kind::NoteOn, 61, 0}, {{0x90, 62, 0}, Kind::NoteOff, 62, 0},
            {{0x83, 63, 64}, Kind::NoteOff, 63, 0},
            {{0xE1, 0x7F, 0x7F}, Kind::Bend, 0, 2.0 * 8191 / 8192},
            {{0xE0, 0, 0}, Kind::Bend, 0, -2}, {{0xB0, 1, 2}, Kind::Nothing, 0, 0}};
    for (const auto& [bytes, kind, note, semitones] : messages) {
        const MidiRequest read = readMidiMessage(bytes);
        EXPECT_EQ(
            std::tuple(read.kind, read.note, read.semitones), std::tuple(kind, note, semitones));
    }
}

// At 375 Hz a period is 128 frames, 4 a step; at 1500 Hz one frame a step. A note asked for in
// the middle of a period starts with the next one, and the preview goes on likewise after it.
TEST(ChipOscillator, ANoteTakesOverWhereAPeriodStartsAndThePreviewGoesOnAfterIt)
{
    WaveSteps wave {};
    for (int i = 0; i < 32; ++i)
        wave[i] = static_cast<std::int16_t>(i * 30 - 470);
    ChipOscillator oscillator;
    oscillator.publish(wave);
    oscillator.setPitch(375.0);
    oscillator.start();
    std::vector<std::int16_t> frames(300 + 84 + 96 + 128);
    std::span all(frames);
    oscillator.render(all.first(300)); // the fade and 60 frames into the third period
    oscillator.playNote(1500.0);
    oscillator.render(all.subspan(300, 84 + 80));
    oscillator.endNote();
    oscillator.render(all.subspan(300 + 84 + 80));
    for (int j = 300; j < 384; ++j)
        ASSERT_EQ(frames[j], 32 * wave[(j / 4) % 32]) << j;
    for (int j = 384; j < 384 + 96; ++j)
        ASSERT_EQ(frames[j], 32 * wave[(j - 384) % 32]) << j;
    for (int j = 384 + 96; j < static_cast<int>(frames.size()); ++j)
        ASSERT_EQ(frames[j], 32 * wave[(j - 480) / 4 % 32]) << j;
}

} // namespace
} // namespace ondulix
