#pragma once

#include "wave/sample_set.h"

#include <string>

namespace ondulix {

// The sample set as one line for a spreadsheet: "ABC", then for each sample a tab and its
// value / 1000 in padded form. No line ending, so a paste fills exactly one row.
std::string clipboardText(const SampleSet& samples);
// The same text for a wave held apart from the sliders, such as a line of the table.
std::string clipboardText(const Wave& wave);

} // namespace ondulix
