#pragma once

#include "pattern/line_writes.h"

namespace ondulix {

// The overview's operations on one line. Each gives the lines to write, reading the current
// line as the sliders show it; a line outside 1..32 gives nothing to write.

// Up is the next higher line number: the line behind it in the overview.
enum class LineMove
{
    Up,
    Down,
};

// Where a move takes the line: line + 1 up, line - 1 down, or 0 where there is no such line.
// Line 32 moves no further up and line 1 no further down; the table does not wrap round, since a
// move that swapped the first and last lines would jumble the order of the sweep.
int moveTarget(int line, LineMove move);

// Swaps the line with its neighbour: both lines written, or nothing where there is no neighbour.
LineWrites moveLine(const PatternTable& table, const EditedLine& current, int line, LineMove move);

// All 32 samples 0, stored, so the line reads back as silent and is written to a CSV file.
LineWrites clearLine(int line);

} // namespace ondulix
