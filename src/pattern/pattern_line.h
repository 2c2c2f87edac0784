#pragma once

#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

#include <string_view>

namespace ondulix {

// Generate to Memory: rows 2..33 of the line get the general form of each sample / 1000.
// Row 1 and every other line stay as they are.
void storeLine(const SampleSet& samples, int line, PatternTable& table);

// Paging's load: each sample, in index order, becomes its cell's paged value. Only samples
// whose value changes are written, so only they run the slider change handler.
void loadLine(const PatternTable& table, int line, SampleSet& samples);

// The sample a cell's text stands for: its number x 1000, rounded half to even. A file written
// elsewhere may hold any number at all, so the value is limited to the sample range: too large
// or infinite gives the nearer end, and a text without a number gives 0.
int pagedSample(std::string_view cellText);

} // namespace ondulix
