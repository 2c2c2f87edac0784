#include "array_sample_set.h"
#include "pattern/pattern_line.h"
#include "wave/number_text.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

// A table with a distinct text in every cell, so that any write shows.
PatternTable markedTable()
{
    PatternTable table;
    for (int c = 0; c < PatternTable::kColumns; ++c)
        for (int r = 0; r < PatternTable::kRows; ++r)
            table.setCell(c, r, "mark " + std::to_string(c) + "," + std::to_string(r));
    return table;
}

TEST(PatternTable, StartsWithEveryCellEmpty)
{
    const PatternTable table;
    for (int c = 0; c < PatternTable::kColumns; ++c)
        for (int r = 0; r < PatternTable::kRows; ++r)
            EXPECT_EQ(table.cell(c, r), "") << c << "," << r;
}

TEST(PatternTable, CellsBeyondColumnThirtyTwoOrRowThirtyThreeAreBoundsErrors)
{
    PatternTable table = markedTable();
    const PatternTable before = table;
    const std::pair<int, int> outside[] = {{33, 2}, {1, 34}, {33, 34}, {-1, 2}, {1, -1}, {40, 0}};
    for (const auto& [column, row] : outside) {
        EXPECT_THROW(table.setCell(column, row, "0.5"), std::out_of_range) << column << "," << row;
        EXPECT_THROW((void)table.cell(column, row), std::out_of_range) << column << "," << row;
    }
    EXPECT_EQ(table, before);

    table.setCell(32, 33, "0.5");
    table.setCell(0, 0, "0.25");
    EXPECT_EQ(table.cell(32, 33), "0.5");
    EXPECT_EQ(table.cell(0, 0), "0.25");
}

TEST(PatternLine, StoringWritesTheGeneralFormOfEachSampleOverOneThousand)
{
    const std::pair<int, const char*> examples[] = {{500, "0.5"}, {-250, "-0.25"}, {0, "0"},
        {1, "0.001"}, {-1, "-0.001"}, {123, "0.123"}, {-500, "-0.5"}, {10, "0.01"}, {499, "0.499"}};
    ArraySampleSet samples;
    for (std::size_t i = 0; i < std::size(examples); ++i)
        samples.values[i] = examples[i].first;

    PatternTable table;
    storeLine(samples, 7, table);
    for (std::size_t i = 0; i < std::size(examples); ++i)
        EXPECT_EQ(table.cell(7, kFirstSampleRow + static_cast<int>(i)), examples[i].second) << i;
    for (int i = static_cast<int>(std::size(examples)); i < kSampleCount; ++i)
        EXPECT_EQ(table.cell(7, kFirstSampleRow + i), "0") << i;
}

TEST(PatternLine, StoringChangesNothingButTheSampleRowsOfItsLine)
{
    ArraySampleSet samples;
    std::iota(samples.values.begin(), samples.values.end(), -16);
    const PatternTable before = markedTable();
    for (const int line : {1, 17, 32}) {
        PatternTable table = before;
        storeLine(samples, line, table);
        for (int c = 0; c < PatternTable::kColumns; ++c) {
            for (int r = 0; r < PatternTable::kRows; ++r) {
                const bool stored = c == line && r >= kFirstSampleRow;
                EXPECT_EQ(table.cell(c, r) == before.cell(c, r), !stored) << c << "," << r;
            }
        }
    }
    EXPECT_TRUE(samples.changes.empty());
}

TEST(PatternLine, EverySampleValueComesBackAfterStoringAndPaging)
{
    PatternTable table;
    for (int v = kSampleMin; v <= kSampleMax; ++v) {
        const int line = (v - kSampleMin) % kPatternLineCount + 1;
        ArraySampleSet stored;
        stored.values.fill(v);
        storeLine(stored, line, table);

        ArraySampleSet paged;
        paged.values.fill(v == 0 ? 1 : 0);
        loadLine(table, line, paged);
        EXPECT_EQ(paged.values, stored.values) << v << " stored as " << table.cell(line, 2);
    }
}

TEST(PatternLine, APagedCellReadsItsTextAsANumberTimesOneThousand)
{
    const std::pair<const char*, int> cases[] = {
        {" .5", 500},
        {"0.5", 500},
        {"", 0},
        {"abc", 0},
        {"-.25", -250},
        {"0.001", 1},
        {"1E-03", 1},
        {" 0", 0},
        {"0.5xyz", 500},
        {"0.0005", 0}, // exact halves go to the even neighbour
        {"0.0015", 2},
        {"0.0025", 2},
        {"-0.0025", -2},
        {"0.0035", 4},
        {"0.1234", 123},
        {"0.1236", 124},
    };
    for (const auto& [text, sample] : cases)
        EXPECT_EQ(pagedSample(text), sample) << '"' << text << '"';
}

TEST(PatternLine, ACellBeyondTheSampleRangePagesInAtTheNearerEnd)
{
    const std::pair<const char*, int> cases[] = {
        {"0.5004", 500},
        {"0.5005", 500},
        {"0.501", 500},
        {"-0.501", -500},
        {"1", 500},
        {"-7", -500},
        {"32.768", 500}, // beyond the 16-bit range too
        {"-32.769", -500},
        {"1e300", 500},
        {"-1e300", -500},
        {"1e400", 500}, // reads as an infinity
        {"-1e999", -500},
        {"1e99999999999999999999", 500},
        {"&HFFFFFFFFFFFFFFFFFFFF", 500},
        {"1e-400", 0},
    };
    for (const auto& [text, sample] : cases)
        EXPECT_EQ(pagedSample(text), sample) << '"' << text << '"';
}

TEST(PatternLine, LoadingWritesEachSampleInIndexOrderAndOnlyWhenItChanges)
{
    PatternTable table;
    table.setCell(4, kFirstSampleRow + 0, " .5");
    table.setCell(4, kFirstSampleRow + 9, "-0.1");
    table.setCell(4, kFirstSampleRow + 20, "1e300");
    table.setCell(4, kFirstSampleRow + 31, "0.007");
    table.setCell(4, kFirstFieldRow, "0.3"); // the first CSV field is no sample

    ArraySampleSet samples;
    samples.values[9] = -100;
    samples.values[5] = 42;
    loadLine(table, 4, samples);

    std::array<int, kSampleCount> expected {};
    expected[0] = 500;
    expected[9] = -100;
    expected[20] = 500;
    expected[31] = 7;
    EXPECT_EQ(samples.values, expected);
    EXPECT_EQ(samples.changes, (std::vector<int> {0, 5, 20, 31}));
}

TEST(PatternLine, ALineNeverStoredPagesInAsZeros)
{
    const PatternTable table;
    ArraySampleSet samples;
    samples.values.fill(-3);
    loadLine(table, 32, samples);
    EXPECT_EQ(samples.values, (std::array<int, kSampleCount> {}));
    EXPECT_EQ(samples.changes.size(), 32u);
}

} // namespace
