#include "array_sample_set.h"
#include "pattern/clipboard_text.h"
#include "wave/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

std::string repeated(const std::string& part, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

TEST(ClipboardText, AllZerosGiveThirtyTwoPaddedZeros)
{
    EXPECT_EQ(clipboardText(ArraySampleSet {}), "ABC" + repeated("\t 0", 32));
}

TEST(ClipboardText, TheExampleSamplesInPaddedForm)
{
    ArraySampleSet samples;
    samples.values[0] = 500;
    samples.values[1] = -250;
    samples.values[3] = 1;
    EXPECT_EQ(clipboardText(samples), "ABC\t .5\t-.25\t 0\t .001" + repeated("\t 0", 28));

    samples.values = {-500, 500, 10, -1, 123, -10};
    EXPECT_EQ(
        clipboardText(samples), "ABC\t-.5\t .5\t .01\t-.001\t .123\t-.01" + repeated("\t 0", 26));
}

// For sets with full-scale and mixed values: one line, "ABC" and 32 fields, each field the
// sample's own value, no tab at the end and no line ending.
TEST(ClipboardText, HoldsExactlyThirtyTwoTabsAndNoLineEnding)
{
    std::array<int, kSampleCount> ramp {};
    for (int i = 0; i < kSampleCount; ++i)
        ramp[i] = -500 + 32 * i;
    std::array<int, kSampleCount> top {};
    top.fill(500);
    std::array<int, kSampleCount> bottom {};
    bottom.fill(-500);

    for (const auto& values : {ramp, top, bottom}) {
        const std::string text = clipboardText(ArraySampleSet(values));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 32);
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
        EXPECT_NE(text.back(), '\t');
        ASSERT_EQ(text.substr(0, 4), "ABC\t");

        std::size_t start = 4;
        for (int i = 0; i < kSampleCount; ++i) {
            const std::size_t end = std::min(text.find('\t', start), text.size());
            const std::string field = text.substr(start, end - start);
            EXPECT_TRUE(field.front() == ' ' || field.front() == '-') << field;
            EXPECT_EQ(readNumber(field), values[i] / 1000.0) << i;
            start = end + 1;
        }
    }
}

} // namespace
