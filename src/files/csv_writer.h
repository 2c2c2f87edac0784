#pragma once

#include "pattern/pattern_table.h"

#include <string>

namespace ondulix {

// The CSV pattern file of a table, byte for byte: 32 lines of 33 comma-separated fields, each
// line ended by CR LF. Field 1 is the line's own number, so a file always lists its lines in
// order whatever row 1 of the table holds; fields 2..33 are the line's samples, each cell read
// as a number and written in padded form (" .5", "-.25", " 0").
std::string csvText(const PatternTable& table);

} // namespace ondulix
