#include "files/csv_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

using namespace ondulix;
using namespace std::string_literals;

namespace {

// Every cell of lines 1..32 marked with where it stands, so a test sees which ones changed.
PatternTable markedTable()
{
    PatternTable table;
    for (int c = 0; c < PatternTable::kColumns; ++c)
        for (int r = 0; r < PatternTable::kRows; ++r)
            table.setCell(c, r, "old" + std::to_string(c) + "." + std::to_string(r));
    return table;
}

using Cells = std::map<std::pair<int, int>, std::string>;

// The cells whose text differs from the marked table.
Cells changedCells(const PatternTable& table)
{
    const PatternTable old = markedTable();
    Cells changed;
    for (int c = 0; c < PatternTable::kColumns; ++c)
        for (int r = 0; r < PatternTable::kRows; ++r)
            if (table.cell(c, r) != old.cell(c, r))
                changed[{c, r}] = table.cell(c, r);
    return changed;
}

std::string lines(int count, const std::string& line, const std::string& ending = "\r\n")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + ending;
    return text;
}

std::string fields(int count)
{
    std::string line = "1";
    for (int k = 2; k <= count; ++k)
        line += "," + std::to_string(k);
    return line;
}

struct ReadCase
{
    const char* rule;
    std::string file;
    Cells changed;
};

const ReadCase kReadCases[] = {
    {"the example: a number and one sample; the rest of the line keeps its text", "7,0.1",
        {{{1, 1}, "7"}, {{1, 2}, "0.1"}}},
    {"fields are stored character for character, blanks included", " 1, .5 ,-.25,  x ",
        {{{1, 1}, " 1"}, {{1, 2}, " .5 "}, {{1, 3}, "-.25"}, {{1, 4}, "  x "}}},
    {"a trailing comma stores an empty last field", "1,2,\r\n",
        {{{1, 1}, "1"}, {{1, 2}, "2"}, {{1, 3}, ""}}},
    {"an empty line is one empty field", "\r\n9\r\n", {{{1, 1}, ""}, {{2, 1}, "9"}}},
    {"lines go in file order, whatever field 1 says", " 5,1\r\n 3,2\r\n",
        {{{1, 1}, " 5"}, {{1, 2}, "1"}, {{2, 1}, " 3"}, {{2, 2}, "2"}}},
    {"the last line needs no ending", "a\r\nb", {{{1, 1}, "a"}, {{2, 1}, "b"}}},
    {"a lone LF ends a line too", "a\nb\r\nc\n", {{{1, 1}, "a"}, {{2, 1}, "b"}, {{3, 1}, "c"}}},
    {"CRs just before a line's end belong to its ending", "a\r\r\nb,c\r",
        {{{1, 1}, "a"}, {{2, 1}, "b"}, {{2, 2}, "c"}}},
    {"an empty file changes nothing", "", {}},
    {"bytes that are not text are kept as they are", "\xff\x01,\x80\x7f",
        {{{1, 1}, "\xff\x01"}, {{1, 2}, "\x80\x7f"}}},
    {"a comma far into a long line still separates", std::string(40000, 'x') + ",5",
        {{{1, 1}, std::string(40000, 'x')}, {{1, 2}, "5"}}},
};

TEST(CsvReader, StoresEachFieldAndLeavesWhatTheFileDoesNotReach)
{
    for (const ReadCase& c : kReadCases) {
        const CsvReadResult result = readCsv(c.file, markedTable());
        ASSERT_TRUE(std::holds_alternative<PatternTable>(result)) << c.rule;
        EXPECT_EQ(changedCells(std::get<PatternTable>(result)), c.changed) << c.rule;
    }
}

TEST(CsvReader, ThirtyThreeFieldsFillTheWholeLine)
{
    const CsvReadResult result = readCsv(fields(33), markedTable());
    ASSERT_TRUE(std::holds_alternative<PatternTable>(result));
    const Cells changed = changedCells(std::get<PatternTable>(result));
    EXPECT_EQ(changed.size(), 33u);
    EXPECT_EQ(changed.at({1, 33}), "33");
}

TEST(CsvReader, FiveLinesChangeLinesOneToFiveOnly)
{
    const CsvReadResult result = readCsv(lines(5, "0.1,0.2"), markedTable());
    ASSERT_TRUE(std::holds_alternative<PatternTable>(result));
    const Cells changed = changedCells(std::get<PatternTable>(result));
    EXPECT_EQ(changed.size(), 10u);
    EXPECT_EQ(changed.rbegin()->first, std::make_pair(5, 2));
}

TEST(CsvReader, EmptyLinesAfterTheThirtySecondAreIgnored)
{
    for (const char* tail : {"\r\n", "\r\n\r\n\r\n", "\n\n"}) {
        const CsvReadResult result = readCsv(lines(32, "8") + tail, markedTable());
        ASSERT_TRUE(std::holds_alternative<PatternTable>(result));
        const Cells changed = changedCells(std::get<PatternTable>(result));
        EXPECT_EQ(changed.size(), 32u);
        EXPECT_EQ(changed.at({32, 1}), "8");
    }
}

struct RefusedCase
{
    const char* what;
    std::string file;
    std::int64_t line;
    const char* reasonPart;
};

const RefusedCase kRefusedCases[] = {
    {"a 33rd line that is not empty", lines(33, "1"), 33, "only 32 lines"},
    {"a line after ignored empty ones", lines(32, "1") + "\r\n\r\nx", 35, "only 32 lines"},
    {"34 fields: 33 and a trailing comma", lines(3, "1") + fields(33) + ",\r\n", 4, "34 fields"},
    {"far too many fields", std::string(1000, ','), 1, "1001 fields"},
    {"a NUL byte", "1,2\r\n3,\0,4\r\n"s, 2, "NUL"},
    // Lines ended by a CR alone would otherwise run together into one line, their numbers
    // landing in the samples of line 1.
    {"CR alone as the line end", "1,.5\r2,.25\r3,.125\r", 1, "a CR that ends no line"},
    {"a CR inside a field", "1,2\r\n3,.5\r5,6\r\n", 2, "a CR that ends no line"},
    {"binary junk",
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\0\x03\0>\0\x01\0\0\0"s,
        1, "not a text file"},
};

TEST(CsvReader, RefusesFilesBeyondTheLimitsNamingTheLine)
{
    for (const RefusedCase& c : kRefusedCases) {
        const CsvReadResult result = readCsv(c.file, markedTable());
        ASSERT_TRUE(std::holds_alternative<CsvError>(result)) << c.what;
        const CsvError& error = std::get<CsvError>(result);
        EXPECT_EQ(error.line, c.line) << c.what;
        EXPECT_NE(error.reason.find(c.reasonPart), std::string::npos)
            << c.what << ": " << error.reason;
    }
}

} // namespace
