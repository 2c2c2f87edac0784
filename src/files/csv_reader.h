#pragma once

#include "pattern/pattern_table.h"
#include "wave/read_result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ondulix {

// The most fields a pattern line may have: its number and its 32 samples.
inline constexpr int kCsvFieldCount = 33;

// A pattern file is a few kilobytes; anything this large was picked by mistake.
inline constexpr std::size_t kCsvFileSizeLimit = 1024 * 1024;

// Either the table with the file's lines stored in it, or why the file was refused and at
// which line.
using CsvReadResult = ReadResult<PatternTable>;

// Reads the bytes of a CSV pattern file into a copy of `old`, all or nothing: a refused file
// leaves no trace, so the table the user sees always matches one whole file.
//
// Text line n goes to pattern line n, whatever its first field says. A line is cut at every ","
// (there is no quoting) and field k is stored character for character, blanks included, as
// cell (n, k): the number into row 1, the samples into rows 2..33. A line with fewer fields or
// a file with fewer lines leaves the cells it does not reach as they were; an empty line is one
// empty field. Empty lines after the 32nd are ignored, as editors like to add one.
//
// Refused: a non-empty line after the 32nd, a line of more than 33 fields, a NUL byte, which
// no text file holds, and a CR that ends no line. Other bytes are kept as they are; a cell
// without a number reads as 0 wherever it is used.
CsvReadResult readCsv(std::string_view bytes, const PatternTable& old);

// readCsv on the bytes of a file. A file that cannot be read, or that is larger than
// kCsvFileSizeLimit, is refused as a whole (line 0) without being read to its end.
CsvReadResult readCsvFile(const std::filesystem::path& path, const PatternTable& old);

// A file read onto a table as readCsvFile reads it, and its lines alone, read into an empty
// table: what the window shows, and what the file itself holds of it.
struct CsvFileRead
{
    PatternTable table;
    PatternTable fileAlone;
};
ReadResult<CsvFileRead> readCsvFileOnto(const std::filesystem::path& path, const PatternTable& old);

} // namespace ondulix
