#pragma once

#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

#include <span>
#include <vector>

namespace ondulix {

// The operations on whole lines (a morph, moving or clearing a line) work out what to write
// first and write it after, so that the window can record the cells before and after as one
// undo step, and can tell whether the current line was among them.

// One line to store in Generate to Memory's form.
struct LineWrite
{
    int line = 0;
    Wave wave {};
    friend bool operator==(const LineWrite&, const LineWrite&) = default;
};
using LineWrites = std::vector<LineWrite>;

// The current line as the user sees it: the sliders may hold edits not yet stored. The
// operations read the table through it, so that what they work on is what is on the screen.
struct EditedLine
{
    int line = 0;
    Wave wave {};
};

constexpr bool isPatternLine(int line)
{
    return line >= 1 && line <= kPatternLineCount;
}

// The current line's wave from the sliders; every other line as paging would load it.
Wave waveAsEdited(const PatternTable& table, const EditedLine& current, int line);
// A line holds a sound when any sample of its wave, as edited, is not 0.
bool holdsSoundAsEdited(const PatternTable& table, const EditedLine& current, int line);

// Stores every write in order, so a later write to the same line wins.
void applyWrites(std::span<const LineWrite> writes, PatternTable& table);
bool writesLine(std::span<const LineWrite> writes, int line);

} // namespace ondulix
