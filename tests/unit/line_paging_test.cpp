#include "array_sample_set.h"
#include "pattern/line_paging.h"
#include "wave/number_text.h"

#include <gtest/gtest.h>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

// Behaves as the window's selector does: setting a new value runs paging at once, nested.
class NestingSelector : public LineSelector
{
public:
    NestingSelector(const PatternTable& table, SampleSet& samples)
        : m_table(table)
        , m_samples(samples)
    { }

    int line() const override { return value; }
    void setLine(int line) override
    {
        if (line == value)
            return;
        value = line;
        page();
    }
    void showLineNumber(int line) override { shown.push_back(line); }

    // What the user's arrow click or thumb release does.
    void moveTo(int line)
    {
        value = line;
        page();
    }

    int value = 1;
    std::vector<int> shown;
    std::vector<int> pagingRuns;

private:
    void page()
    {
        pagingRuns.push_back(value);
        pageToSelectedLine(*this, m_table, m_samples);
    }

    const PatternTable& m_table;
    SampleSet& m_samples;
};

// Line c holds c + i thousandths at sample i, so every line differs from every other.
PatternTable numberedLines()
{
    PatternTable table;
    for (int c = 1; c <= kPatternLineCount; ++c)
        for (int i = 0; i < kSampleCount; ++i)
            table.setCell(c, kFirstSampleRow + i, generalForm((c + i) / 1000.0));
    return table;
}

std::array<int, kSampleCount> numberedLine(int line)
{
    std::array<int, kSampleCount> values {};
    for (int i = 0; i < kSampleCount; ++i)
        values[i] = line + i;
    return values;
}

TEST(LinePaging, TheEndValuesWrapRoundAndEveryOtherLineLoadsAsItIs)
{
    const struct
    {
        int movedTo, line;
        std::vector<int> runs, shown;
    } cases[] = {
        {33, 1, {33, 1}, {1, 1}},
        {0, 32, {0, 32}, {32, 32}},
        {2, 2, {2}, {2}},
        {32, 32, {32}, {32}},
        {17, 17, {17}, {17}},
    };
    const PatternTable table = numberedLines();
    for (const auto& c : cases) {
        ArraySampleSet samples;
        NestingSelector selector(table, samples);
        selector.moveTo(c.movedTo);
        EXPECT_EQ(selector.value, c.line) << c.movedTo;
        EXPECT_EQ(selector.pagingRuns, c.runs) << c.movedTo;
        EXPECT_EQ(selector.shown, c.shown) << c.movedTo;
        EXPECT_EQ(samples.values, numberedLine(c.line)) << c.movedTo;
        // The nested run loads the line; the outer run then finds nothing left to change.
        EXPECT_EQ(samples.changes.size(), 32u) << c.movedTo;
    }
}

TEST(LinePaging, PagingToALineEqualToTheSamplesWritesNothing)
{
    PatternTable table;
    table.setCell(5, kFirstSampleRow + 3, " .25"); // another text for the same value
    ArraySampleSet samples;
    samples.values[3] = 250;
    NestingSelector selector(table, samples);
    selector.moveTo(5);
    EXPECT_TRUE(samples.changes.empty());
    EXPECT_EQ(selector.shown, std::vector<int> {5});
}

} // namespace
