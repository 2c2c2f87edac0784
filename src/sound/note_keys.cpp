#include "sound/note_keys.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ondulix {

namespace {

// The evdev codes of the keys, in the order of their notes from C.
constexpr std::array<std::uint8_t, 15> kLowerRow {
    44, 31, 45, 32, 46, 47, 34, 48, 35, 49, 36, 50, 51, 38, 52};
constexpr std::array<std::uint8_t, 17> kUpperRow {
    16, 3, 17, 4, 18, 19, 6, 20, 7, 21, 8, 22, 23, 10, 24, 11, 25};
constexpr std::uint32_t kEvdevToXkb = 8;
constexpr std::uint32_t kKeypadSlash = 98;
constexpr std::uint32_t kKeypadAsterisk = 55;
constexpr int kHighestCode = 64;

constexpr std::array<std::int8_t, kHighestCode> semitonesByKeycode()
{
    std::array<std::int8_t, kHighestCode> semitones {};
    semitones.fill(static_cast<std::int8_t>(kNoNote));
    for (std::size_t i = 0; i < kLowerRow.size(); ++i)
        semitones[kLowerRow[i] + kEvdevToXkb] = static_cast<std::int8_t>(i);
    for (std::size_t i = 0; i < kUpperRow.size(); ++i)
        semitones[kUpperRow[i] + kEvdevToXkb] = static_cast<std::int8_t>(12 + i);
    return semitones;
}

constexpr auto kSemitones = semitonesByKeycode();

} // namespace

int keySemitone(std::uint32_t scanCode)
{
    return scanCode < kSemitones.size() ? kSemitones[scanCode] : kNoNote;
}

int keyOctaveStep(std::uint32_t scanCode)
{
    if (scanCode == kKeypadSlash + kEvdevToXkb)
        return -1;
    return scanCode == kKeypadAsterisk + kEvdevToXkb ? 1 : 0;
}

int octaveOfPitch(double hertz)
{
    if (!(hertz > 0))
        return 4;
    const long octave = std::lround(4 + std::log2(hertz / 440.0));
    return static_cast<int>(std::clamp<long>(octave, kLowestKeyOctave, kHighestKeyOctave));
}

double noteHertz(double note)
{
    return 440.0 * std::exp2((note - 69) / 12);
}

} // namespace ondulix
