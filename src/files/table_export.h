#pragma once

#include "files/export_targets.h"
#include "files/memory_words.h"
#include "files/target_waves.h"
#include "files/word_array.h"
#include "pattern/pattern_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What quenfer and the window's "Export for..." write, made by one function from the same
// request, so that the two give the same bytes for the same target and options.
namespace ondulix {

struct ExportRequest
{
    OutputFormat format = OutputFormat::Readmemh;
    const ExportTarget* chip = nullptr; // the words are this chip's levels at its shape
    WordFormat words; // a plain memory image's width and form; a tracker wave's bits
    Resampling resampling = Resampling::Hold;
    int frames = 0; // lines 1 to frames; 0: to the last line that holds a sound
    int line = 1; // the line of one tracker wave
    bool everyLine = false; // a tracker wave for each line, a file each
    std::string arrayName = kDefaultArrayName;
    std::string sourceName; // the pattern file, named in the headers of the text formats
};

struct ExportedFile
{
    std::string name; // within the folder, for a file a line; empty for the output itself
    std::string bytes;
};

struct TableExport
{
    std::vector<ExportedFile> files;
    std::optional<std::string> failure; // why nothing can be written; then `files` is empty
};

TableExport exportTable(const PatternTable& table, const ExportRequest& request);

// Writes what exportTable made: the one file to `output`, or each file of a file a line into the
// folder `output`, created when missing. Each file goes through the atomic writer, and none may
// be `input` under any name. The first failure ends the writing and is returned.
std::optional<std::string> writeTableExport(const std::filesystem::path& output,
    const TableExport& made, const std::filesystem::path& input);

// "line01.fuw" .. "line32.dmw": the names of a file a line.
std::string lineFileName(int line, OutputFormat format);

} // namespace ondulix
