// The CSV reader on any bytes. All or nothing: a refused file leaves the table as it was, and an
// accepted one gives exactly the table that the reading rules, written out plainly below, give.
// Paging any line the file reached yields samples within -500..500 that survive "Generate to
// Memory" and paging back, and Save CSV and Open CSV.
#include "fuzz/fuzz_check.h"

#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "pattern/pattern_line.h"
#include "unit/array_sample_set.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

// A table as a user may hold it before opening a file: texts of every kind, numbers beyond the
// sample range included, so that what the file leaves alone is paged too.
PatternTable tableBeforeOpening()
{
    static const char* const kTexts[] = {"0.5", " .25", "-1e400", "abc", "", "&HFF", "-.001"};
    PatternTable table;
    int next = 0;
    for (int c = 1; c < PatternTable::kColumns; ++c)
        for (int r = 1; r < PatternTable::kRows; ++r)
            table.setCell(c, r, kTexts[next++ % std::size(kTexts)]);
    return table;
}

struct Expectation
{
    std::optional<std::int64_t> refusedAtLine;
    PatternTable table;
    std::int64_t lineCount = 0;
};

// The rules as the user is told them: LF ends a line and CRs just before a line's end belong to
// the ending; the last line needs no ending. A line holding a NUL or any other CR, a line of
// more than 33 fields, or a non-empty line after the 32nd refuses the whole file. Field k of
// line n becomes cell (n, k); nothing else changes.
Expectation expectedReading(std::string_view bytes, const PatternTable& old)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    for (std::string_view& line : lines)
        line = line.substr(0, line.find_last_not_of('\r') + 1);

    Expectation expected {std::nullopt, old, static_cast<std::int64_t>(lines.size())};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto number = static_cast<std::int64_t>(i + 1);
        const bool notText = line.find_first_of(std::string_view("\0\r", 2)) != line.npos;
        const bool tooMany = std::count(line.begin(), line.end(), ',') >= kCsvFieldCount;
        if (notText || tooMany || (number > kPatternLineCount && !line.empty())) {
            expected.refusedAtLine = number;
            return expected;
        }
        if (number > kPatternLineCount)
            continue;
        int field = 1;
        std::size_t fieldStart = 0;
        for (std::size_t at = 0; at <= line.size(); ++at) {
            if (at < line.size() && line[at] != ',')
                continue;
            expected.table.setCell(static_cast<int>(number), field++,
                std::string(line.substr(fieldStart, at - fieldStart)));
            fieldStart = at + 1;
        }
    }
    return expected;
}

ArraySampleSet paged(const PatternTable& table, int line)
{
    ArraySampleSet samples;
    loadLine(table, line, samples);
    return samples;
}

// Paging gives samples within the sliders' range, which "Generate to Memory" stores so that they
// page in again unchanged; and Save CSV followed by Open CSV gives the line's samples again, up
// to one step where the 15 digits of the saved text round across a half.
void checkPaging(
    const PatternTable& table, PatternTable& stored, const PatternTable& saved, int line)
{
    const ArraySampleSet samples = paged(table, line);
    for (const int value : samples.values)
        FUZZ_CHECK(value >= kSampleMin && value <= kSampleMax);

    storeLine(samples, line, stored);
    FUZZ_CHECK(paged(stored, line).values == samples.values);

    const ArraySampleSet reopened = paged(saved, line);
    for (int i = 0; i < kSampleCount; ++i)
        FUZZ_CHECK(std::abs(reopened.values[i] - samples.values[i]) <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const PatternTable kOld = tableBeforeOpening();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PatternTable old = kOld;

    const CsvReadResult result = readCsv(bytes, old);
    const Expectation expected = expectedReading(bytes, old);
    FUZZ_CHECK(old == kOld);

    if (const auto* error = std::get_if<CsvError>(&result)) {
        FUZZ_CHECK(expected.refusedAtLine.has_value());
        FUZZ_CHECK(error->line == *expected.refusedAtLine);
        FUZZ_CHECK(!error->reason.empty());
        return 0;
    }
    FUZZ_CHECK(!expected.refusedAtLine.has_value());
    const PatternTable& table = std::get<PatternTable>(result);
    FUZZ_CHECK(table == expected.table);

    // Only the lines the file reached are new; the others are saved empty, which is quick.
    const auto reached = std::min<std::int64_t>(expected.lineCount, kPatternLineCount);
    PatternTable reachedLines;
    for (int line = 1; line <= reached; ++line)
        for (int row = kFirstSampleRow; row < PatternTable::kRows; ++row)
            reachedLines.setCell(line, row, table.cell(line, row));
    const CsvReadResult saved = readCsv(csvText(reachedLines), PatternTable {});
    FUZZ_CHECK(std::holds_alternative<PatternTable>(saved));
    PatternTable stored = table; // "Generate to Memory" changes only the line it stores
    for (int line = 1; line <= reached; ++line)
        checkPaging(table, stored, std::get<PatternTable>(saved), line);
    return 0;
}
