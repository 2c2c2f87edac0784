#pragma once

#include "pattern/line_writes.h"

#include <array>

namespace ondulix {

// The lines a sweep plays: those that hold a sound, in order, the silent ones skipped, with the
// current line as the sliders show it so that an edit is heard as it is made. A fixed block, so
// that the event thread can copy it into the player without allocating. Fewer than two lines
// make no sweep; the caller tells the user so.
struct SweepLines
{
    int count = 0;
    std::array<int, kPatternLineCount> line {}; // [index] is the line number, 1..32
    std::array<Wave, kPatternLineCount> wave {};
};

SweepLines sweepLines(const PatternTable& table, const EditedLine& current);

} // namespace ondulix
