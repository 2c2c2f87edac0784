#include "files/wavetable_file.h"
#include "files/word_array.h"

#include <gtest/gtest.h>

#include <string>

using namespace ondulix;

namespace {

constexpr int kFirstSample = 2; // row of sample 1 in a table line

PatternTable tableWith(int line, int sample, const std::string& cell)
{
    PatternTable table;
    table.setCell(line, kFirstSample + sample - 1, cell);
    return table;
}

TEST(WordArray, ArrayNamesAreCIdentifiersThatNoKeywordOrTypeTakes)
{
    for (const char* name : {"ondulix_table", "_x", "a1", "Z", "wave_9_"})
        EXPECT_TRUE(isArrayName(name)) << name;
    for (const char* name :
        {"", "1a", "a-b", "a b", "a.b", "tab\xC3\xA9", "int", "class", "_Bool", "uint16_t", "xor"})
        EXPECT_FALSE(isArrayName(name)) << name;
}

TEST(WordArray, IntelHexHasSixteenByteRecordsWithChecksumsThenTheEnd)
{
    PatternTable table;
    const char* cells[] = {".5", "-.25", "0", ".001", "-.5"};
    for (int i = 0; i < 5; ++i)
        table.setCell(1, kFirstSample + i, cells[i]);
    MemoryImageOptions options;
    options.bits = 12; // 2047, -1024, 0, 4, -2047 as int16_t
    const std::string hex = intelHexText(table, options);
    EXPECT_EQ(hex.substr(0, 44), ":10000000FF0700FC0000040001F8000000000000F1\n");
    EXPECT_EQ(
        hex.substr(hex.size() - 56), ":1007F00000000000000000000000000000000000F9\n:00000001FF\n");
    EXPECT_EQ(hex.size(), 128 * 44 + 12u);
}

TEST(Wavetable, EachSampleIsTheValueItPagesInAsOverFiveHundredInLineOrder)
{
    const struct
    {
        const char* cell;
        float sample;
    } cases[] = {{".5", 1.0f}, {"-.5", -1.0f}, {".001", 0.002f}, {"", 0.0f}, {"9", 1.0f},
        {"-.0025", -0.004f}, {"0.0004", 0.0f}}; // limited to full scale, -2.5 half to even
    for (const auto& c : cases) {
        const std::vector<float> samples = wavetableSamples(tableWith(2, 5, c.cell));
        ASSERT_EQ(samples.size(), 1024u);
        EXPECT_EQ(samples[32 + 4], c.sample) << c.cell;
    }
}

} // namespace
