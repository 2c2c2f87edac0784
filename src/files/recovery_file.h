#pragma once

#include "pattern/pattern_table.h"
#include "wave/read_result.h"
#include "wave/sample_set.h"

#include <string>
#include <string_view>

namespace ondulix {

// A table in the making, as the recovery file keeps it while it is in no file: the whole table,
// the current line, the wave in the sliders, the CSV file name and when it was written.
struct KeptWork
{
    PatternTable table;
    int line = 1;
    Wave sliders {};
    std::string csvFileName; // the file system's bytes; empty when none
    std::string written; // "YYYY-MM-DD HH:MM:SS", the local time

    friend bool operator==(const KeptWork&, const KeptWork&) = default;
};

// The file's text: a header of five lines (the form and its version, the time, the line, the
// sliders as one line of the CSV file's values, the file name), then the table as Save CSV
// writes it, then "end". The table's cells come back as Save CSV's values, not their texts.
std::string keptWorkText(const KeptWork& work);

// Reads it back strictly: a file cut short, edited by hand or written by a newer version is
// refused with the line at fault.
ReadResult<KeptWork> readKeptWork(std::string_view text);

} // namespace ondulix
