// The CSV reader on any bytes, and quenfer's image of what it accepts. All or nothing: a refused
// file names a line and a reason; an accepted one changes only the lines the file reached, pages
// to samples in range that survive Generate to Memory and Save CSV with Open CSV, and makes a
// memory image of exactly 1024 words that fit their width.
#include "fuzz/fuzz_check.h"

#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "files/memory_image.h"
#include "pattern/pattern_line.h"
#include "unit/array_sample_set.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const PatternTable kOld = [] {
        PatternTable table;
        for (int c = 1; c < PatternTable::kColumns; ++c)
            for (int r = 1; r < PatternTable::kRows; ++r)
                table.setCell(c, r, (c + r) % 3 ? "-1e400" : "&HFF");
        return table;
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CsvReadResult result = readCsv(bytes, kOld);
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n') + 1;
    if (const auto* error = std::get_if<CsvError>(&result)) {
        FUZZ_CHECK(error->line >= 1 && error->line <= lines && !error->reason.empty());
        return 0;
    }
    const PatternTable& table = std::get<PatternTable>(result);
    for (auto line = lines + 1; line <= kPatternLineCount; ++line)
        for (int row = 1; row < PatternTable::kRows; ++row)
            FUZZ_CHECK(table.cell(int(line), row) == kOld.cell(int(line), row));

    const CsvReadResult reopened = readCsv(csvText(table), PatternTable {});
    FUZZ_CHECK(std::holds_alternative<PatternTable>(reopened));
    PatternTable stored = table;
    for (int line = 1; line <= std::min<long>(lines, kPatternLineCount); ++line) {
        ArraySampleSet samples, again, saved;
        loadLine(table, line, samples);
        for (const int value : samples.values)
            FUZZ_CHECK(value >= kSampleMin && value <= kSampleMax);
        storeLine(samples, line, stored);
        loadLine(stored, line, again);
        FUZZ_CHECK(again.values == samples.values);
        loadLine(std::get<PatternTable>(reopened), line, saved);
        for (int i = 0; i < kSampleCount; ++i)
            FUZZ_CHECK(std::abs(saved.values[i] - samples.values[i]) <= 1);
    }

    const int bits = 2 + static_cast<int>(size % 31);
    const std::vector<std::int64_t> words = memoryWords(table, bits);
    FUZZ_CHECK(words.size() == std::size_t(kMemoryDepth));
    const std::int64_t top = (std::int64_t {1} << (bits - 1)) - 1;
    for (const std::int64_t word : words)
        FUZZ_CHECK(word >= -top && word <= top);
    return 0;
}
