// The CSV reader on any bytes, and quenfer's image of what it accepts. A refused file names a
// line of the file and a reason. In an accepted one, the lines the file reached page to samples
// in range that survive Save CSV and Open CSV, and the table gives a memory image of exactly
// 1024 words that fit their width. The recovery file's reader, on the same bytes, gives a line
// and sliders in range, and what it accepts it writes and reads back the same.
#include "fuzz/fuzz_check.h"

#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "files/memory_image.h"
#include "files/recovery_file.h"
#include "pattern/line_waves.h"
#include "pattern/pattern_line.h"
#include "unit/array_sample_set.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A table as a user may hold it, with texts beyond the sample range, for the file to meet.
    static const PatternTable kOld = [] {
        PatternTable table;
        for (int c = 1; c < PatternTable::kColumns; ++c)
            for (int r = 1; r < PatternTable::kRows; ++r)
                table.setCell(c, r, (c + r) % 3 ? "-1e400" : "&HFF");
        return table;
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto kept = readKeptWork(bytes);
        const KeptWork* work = std::get_if<KeptWork>(&kept)) {
        FUZZ_CHECK(work->line >= 1 && work->line <= kPatternLineCount);
        FUZZ_CHECK(std::all_of(work->sliders.begin(), work->sliders.end(),
            [](int v) { return v >= kSampleMin && v <= kSampleMax; }));
        const auto again = readKeptWork(keptWorkText(*work));
        const KeptWork* back = std::get_if<KeptWork>(&again);
        FUZZ_CHECK(back && back->line == work->line && back->sliders == work->sliders
            && back->written == work->written && back->csvFileName == work->csvFileName);
        for (int line = 1; line <= kPatternLineCount; ++line)
            FUZZ_CHECK(lineWave(back->table, line) == lineWave(work->table, line));
    }
    const CsvReadResult result = readCsv(bytes, kOld);
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n') + 1;
    if (const Refusal* error = refusalIn(result)) {
        FUZZ_CHECK(error->line >= 1 && error->line <= lines && !error->reason.empty());
        return 0;
    }
    const PatternTable& table = std::get<PatternTable>(result);
    const CsvReadResult reopened = readCsv(csvText(table), PatternTable {});
    FUZZ_CHECK(std::holds_alternative<PatternTable>(reopened));
    for (int line = 1; line <= std::min<long>(lines, kPatternLineCount); ++line) {
        ArraySampleSet samples, saved;
        loadLine(table, line, samples);
        loadLine(std::get<PatternTable>(reopened), line, saved);
        for (int i = 0; i < kSampleCount; ++i) {
            FUZZ_CHECK(samples.values[i] >= kSampleMin && samples.values[i] <= kSampleMax);
            FUZZ_CHECK(std::abs(saved.values[i] - samples.values[i]) <= 1);
        }
    }
    const int bits = 2 + static_cast<int>(size % 31);
    const std::int64_t top = (std::int64_t {1} << (bits - 1)) - 1;
    const std::vector<std::int64_t> words = memoryWords(table, bits);
    FUZZ_CHECK(words.size() == std::size_t(kMemoryDepth));
    FUZZ_CHECK(std::all_of(words.begin(), words.end(), [&](auto w) { return std::abs(w) <= top; }));
    return 0;
}
