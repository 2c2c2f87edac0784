#include "files/csv_writer.h"

#include "files/csv_reader.h"
#include "pattern/pattern_line.h"

#include <gtest/gtest.h>

using namespace ondulix;

namespace {

std::string zeros(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += ", 0";
    return text;
}

// Only line 1 stored, as "Generate to Memory" stores samples 500, -250, 0, 1 and 28 zeros.
PatternTable tableWithLineOneStored()
{
    PatternTable table;
    const char* samples[] = {"0.5", "-0.25", "0", "0.001"};
    for (int i = 0; i < 32; ++i)
        table.setCell(1, 2 + i, i < 4 ? samples[i] : "0");
    return table;
}

TEST(CsvWriter, TableWithOnlyLineOneStoredGivesTheExactFile)
{
    std::string expected = " 1, .5,-.25, 0, .001" + zeros(28) + "\r\n";
    for (int n = 2; n <= 32; ++n)
        expected += " " + std::to_string(n) + zeros(32) + "\r\n";
    const std::string written = csvText(tableWithLineOneStored());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.substr(0, 22), " 1, .5,-.25, 0, .001, ");
    EXPECT_EQ(written.substr(written.size() - 8), ", 0, 0\r\n");
}

TEST(CsvWriter, EmptyTableWritesThirtyTwoNumberedLinesOfZeros)
{
    const std::string written = csvText(PatternTable {});
    EXPECT_EQ(written.substr(0, 2 + 3 * 32 + 2), " 1" + zeros(32) + "\r\n");
    EXPECT_EQ(written.substr(written.size() - (3 + 3 * 32 + 2)), " 32" + zeros(32) + "\r\n");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 32);
    EXPECT_EQ(std::count(written.begin(), written.end(), ','), 32 * 32);
}

struct CellCase
{
    const char* cell;
    const char* field;
};

// Each cell is read as a number and written in padded form, whatever form it was stored in.
const CellCase kCellCases[] = {
    {"0.5", " .5"},
    {" .5", " .5"},
    {"-0.25", "-.25"},
    {"-.25", "-.25"},
    {"0.001", " .001"},
    {"", " 0"},
    {"abc", " 0"},
    {"7", " 7"},
    {"0.1", " .1"},
    {"  -1E-05", "-1E-05"},
    {"&H10", " 16"},
    // Beyond the double range: the largest number that reads back, so the sign and the sample
    // the cell pages in as survive.
    {"1e999", " 1.79769313486231E+308"},
    {"-1e999", "-1.79769313486231E+308"},
};

TEST(CsvWriter, CellsAreReadAsNumbersAndWrittenPadded)
{
    for (const CellCase& c : kCellCases) {
        PatternTable table;
        table.setCell(5, 2, c.cell);
        const std::string written = csvText(table);
        const std::size_t lineFive = written.find("\r\n 5,") + 2;
        const std::string expected = std::string(" 5,") + c.field + ",";
        EXPECT_EQ(written.substr(lineFive, expected.size()), expected) << '"' << c.cell << '"';
    }
}

// Save CSV and then Open CSV must not change what a line pages in as, whatever text a cell held.
TEST(CsvWriter, SavedCellsPageInAsTheSameSamples)
{
    const char* const cells[] = {"1e400", "-1e400", "1.7976931348623157e308", "&HFFFFFFFFFFFF",
        "&O777777777777", "nan", "0.4995", "-0.0005", "0.0015", " 1 2", "1e-400", "-.25xyz"};
    PatternTable table;
    for (int i = 0; i < static_cast<int>(std::size(cells)); ++i)
        table.setCell(1, kFirstSampleRow + i, cells[i]);
    const CsvReadResult reopened = readCsv(csvText(table), PatternTable {});
    ASSERT_TRUE(std::holds_alternative<PatternTable>(reopened));
    for (int i = 0; i < static_cast<int>(std::size(cells)); ++i) {
        const std::string& field = std::get<PatternTable>(reopened).cell(1, kFirstSampleRow + i);
        EXPECT_EQ(pagedSample(field), pagedSample(cells[i])) << cells[i] << " saved as " << field;
    }
}

TEST(CsvWriter, FieldOneComesFromTheLinePositionNotFromRowOne)
{
    PatternTable table;
    for (int n = 1; n <= 32; ++n)
        table.setCell(n, 1, "7");
    table.setCell(3, 1, "junk,with,commas");
    EXPECT_EQ(csvText(table), csvText(PatternTable {}));
}

} // namespace
