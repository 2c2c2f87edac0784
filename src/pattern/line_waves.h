#pragma once

#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

namespace ondulix {

// Whole lines of the pattern table as waves, for the operations that work on several lines
// at once. They follow the same two rules as the sliders do: a line is written in Generate to
// Memory's form and read by paging's rule.

// The wave that paging would load from the line: a line never stored is all zeros.
Wave lineWave(const PatternTable& table, int line);
// Generate to Memory's form: rows 2..33 of the line get the general form of each sample / 1000.
void storeWave(const Wave& wave, int line, PatternTable& table);

// A line holds a sound when any of its samples is not 0. A saved and reopened table has every
// line stored, so "stored" alone would not tell a silent line from a used one.
bool holdsSound(const PatternTable& table, int line);
// The last line (1..32) that holds a sound, or 0 when none does.
int lastLineWithSound(const PatternTable& table);

} // namespace ondulix
