#pragma once

#include "pattern/line_paging.h"
#include "pattern/line_writes.h"
#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

#include <span>

namespace ondulix {

class EditHistory;

// A wave for one line of the pattern table (1..32).
using LineWave = LineWrite;

// Writes whole lines of the pattern table for the operations that fill several at once (a
// morph, an import, a formula over lines, moving a line). Lines are read by paging's rule and
// written in Generate to Memory's form (see pattern/line_waves.h).
class LineWriter
{
public:
    LineWriter(PatternTable& table, LineSelector& lines, SampleSet& samples, EditHistory& history);

    // Writes every given line, as one undo step. When the current line is among them, the
    // sliders load it through paging's load, so every change handler runs and what is shown
    // is what is stored; undo brings back the lines and the sliders together.
    void writeLines(std::span<const LineWave> lines);

private:
    PatternTable& m_table;
    LineSelector& m_lines;
    SampleSet& m_samples;
    EditHistory& m_history;
};

} // namespace ondulix
