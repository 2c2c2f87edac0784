#pragma once

#include "pattern/line_writes.h"

#include <string>
#include <vector>

namespace ondulix {

// Filling the lines between two key lines. Line k between From and To lies at
// t = (k - From) / (To - From) of the way from the first key to the second.
enum class MorphKind
{
    // Each sample on a straight line: (a_i x (To - k) + b_i x (k - From)) / (To - From),
    // rounded half to even.
    Crossfade,
    // Each harmonic's level on a straight line and its phase turned the shorter way round, the
    // offset on a straight line. A wave and its inverse keep their level all the way, where a
    // crossfade passes through silence.
    Spectral,
};

// Below half a sample unit a harmonic has no phase worth keeping: on its own it rounds to
// nothing in every sample, and in a wave of whole samples it is mostly what rounding left
// behind. Where one key has a harmonic and the other has it only below this level, the harmonic
// keeps the phase of the key that has it, and only its level changes.
inline constexpr double kSilentHarmonicLevel = 0.5;

// The waves of lines From + 1 .. To - 1, in order, from the key waves of lines From and To.
// None when From >= To - 1, or when either is not a line 1..32. Spectral lines that would go
// beyond +-500 are scaled down to a peak of 500, never clipped.
std::vector<Wave> morphWaves(
    const Wave& from, const Wave& to, int fromLine, int toLine, MorphKind kind);

// The morph dialog's To line: the first line after From that holds a sound, or 32 when none does.
int defaultMorphTo(const PatternTable& table, const EditedLine& current, int fromLine);

// What a morph writes, or why it writes nothing (then `writes` is empty and `refusal` says so).
// A key that is the current line is taken from the sliders and stored first, as Generate to
// Memory would; then each filled line, in order. From may lie after To: the lines between are
// filled all the same, as the morph from To to From fills them.
struct MorphPlan
{
    LineWrites writes;
    std::string refusal;
};
MorphPlan planMorph(
    const PatternTable& table, const EditedLine& current, int fromLine, int toLine, MorphKind kind);

} // namespace ondulix
