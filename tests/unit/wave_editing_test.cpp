#include "array_sample_set.h"
#include "pattern/clipboard_text.h"
#include "wave/pasted_wave.h"
#include "wave/tracker_wave.h"
#include "wave/wave_transforms.h"

#include <gtest/gtest.h>
#include <map>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

// A wave of zeros but for the samples given by index.
Wave waveOf(const std::map<int, int>& samples)
{
    Wave wave {};
    for (const auto& [index, value] : samples)
        wave[index] = value;
    return wave;
}

std::string joined(const std::vector<std::string>& fields, const std::string& separator)
{
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i)
        text += (i > 0 ? separator : "") + fields[i];
    return text;
}

// `count` fields of `filler`, with the first few replaced.
std::vector<std::string> fields(
    int count, const std::string& filler, const std::vector<std::string>& leading = {})
{
    std::vector<std::string> result(count, filler);
    std::copy(leading.begin(), leading.end(), result.begin());
    return result;
}

// Full scale, small values next to each other, lone peaks of 6 and -6 whose neighbours
// smooth to exact halves, and the ends, which the circular transforms join.
const Wave kShape
    = waveOf({{0, 500}, {1, -500}, {2, 3}, {3, 1}, {20, 6}, {24, -6}, {30, 7}, {31, -2}});

TEST(WaveTransforms, GiveTheseExactValues)
{
    const struct
    {
        const char* name;
        Wave (*transform)(const Wave&);
        Wave expected;
    } cases[] = {
        {"invert", inverted,
            waveOf({{0, -500}, {1, 500}, {2, -3}, {3, -1}, {20, -6}, {24, 6}, {30, -7}, {31, 2}})},
        {"reverse", reversed,
            waveOf({{31, 500}, {30, -500}, {29, 3}, {28, 1}, {11, 6}, {7, -6}, {1, 7}, {0, -2}})},
        {"rotate later", rotatedLater,
            waveOf({{1, 500}, {2, -500}, {3, 3}, {4, 1}, {21, 6}, {25, -6}, {31, 7}, {0, -2}})},
        {"rotate earlier", rotatedEarlier,
            waveOf({{31, 500}, {0, -500}, {1, 3}, {2, 1}, {19, 6}, {23, -6}, {29, 7}, {30, -2}})},
        // 498 / 4 = 124.5 goes to the even 124; 1.5 to 2 and -1.5 to -2; 503 / 4 to 126.
        {"smooth", smoothed,
            waveOf({{0, 124}, {1, -124}, {2, -123}, {3, 1}, {19, 2}, {20, 3}, {21, 2}, {23, -2},
                {24, -3}, {25, -2}, {29, 2}, {30, 3}, {31, 126}})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.transform(kShape), c.expected) << c.name;
}

TEST(PastedWave, ReadsEachFormAndRefusesAllElseWithWhatWasFound)
{
    const std::string zeros31 = joined(fields(31, "0"), " ");
    const struct
    {
        const char* name;
        std::string text;
        std::variant<Wave, std::string> expected;
    } cases[] = {
        {"whole values, tabs", joined(fields(32, "0", {"500", "-250", "+1", "007"}), "\t"),
            waveOf({{0, 500}, {1, -250}, {2, 1}, {3, 7}})},
        {"separator runs, and separators at both ends",
            " ;\r\n" + joined(fields(32, "0", {"1", "2", "3"}), ",; \t\r\n") + "\n\n",
            waveOf({{0, 1}, {1, 2}, {2, 3}})},
        {"a point makes it the clipboard's scale",
            joined(fields(32, "0", {".5", "-0.25", "0.001"}), " "),
            waveOf({{0, 500}, {1, -250}, {2, 1}})},
        {"so does an exponent", joined(fields(32, "0", {"5E-1", "-1e-3"}), ","),
            waveOf({{0, 500}, {1, -1}})},
        {"a line of a pattern file", joined(fields(33, " 0", {" 7", " .5", "-.25"}), ","),
            waveOf({{0, 500}, {1, -250}})},
        {"its values are on the clipboard's scale, points or not",
            joined(fields(33, "0", {"32", "1"}), ","),
            "A value from -0.5 to 0.5 was expected as value 1; \"1\" was found."},
        {"the own form's values too", "ABC\t" + joined(fields(32, "0", {"1"}), "\t"),
            "A value from -0.5 to 0.5 was expected as value 1; \"1\" was found."},
        {"one field", "42", "32 numbers were expected; 1 was found."},
        {"31 numbers", zeros31, "32 numbers were expected; 31 were found."},
        {"34 numbers", zeros31 + " 1 2 3", "32 numbers were expected; 34 were found."},
        {"the own form one short", "ABC\t" + joined(fields(31, " 0"), "\t"),
            "32 numbers were expected; 31 were found."},
        {"nothing but separators", " \t,;\r\n", "32 numbers were expected; 0 were found."},
        {"a word", joined(fields(32, "0", {"1", "2", "abc"}), " "),
            "A number was expected as value 3; \"abc\" was found."},
        {"two points", "1.2.3 " + zeros31,
            "A number was expected as value 1; \"1.2.3\" was found."},
        {"an exponent alone", "e5 " + zeros31,
            "A number was expected as value 1; \"e5\" was found."},
        {"an exponent without digits", "1e+ " + zeros31,
            "A number was expected as value 1; \"1e+\" was found."},
        {"a lone sign", "- " + zeros31, "A number was expected as value 1; \"-\" was found."},
        {"hexadecimal", "&H10 " + zeros31, "A number was expected as value 1; \"&H10\" was found."},
        {"a long field is cut short", "x" + std::string(40, '1') + " " + zeros31,
            "A number was expected as value 1; \"x11111111111111111111111...\" was found."},
        {"whole value beyond full scale", joined(fields(32, "0", {"500", "-501"}), " "),
            "A value from -500 to 500 was expected as value 2; \"-501\" was found."},
        {"scaled value beyond full scale", joined(fields(32, "0", {"0.5001"}), " "),
            "A value from -0.5 to 0.5 was expected as value 1; \"0.5001\" was found."},
        {"beyond any double", joined(fields(32, "0", {"0", "1e999"}), " "),
            "A value from -0.5 to 0.5 was expected as value 2; \"1e999\" was found."},
        {"line number 0", joined(fields(33, "0"), ","),
            "A line number from 1 to 32 was expected before 32 values; \"0\" was found."},
        {"line number 33", joined(fields(33, "0", {"33"}), ","),
            "A line number from 1 to 32 was expected before 32 values; \"33\" was found."},
        {"line number with a point", joined(fields(33, "0", {"1.5"}), ","),
            "A line number from 1 to 32 was expected before 32 values; \"1.5\" was found."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readPastedWave(c.text), c.expected) << c.name;
}

TEST(PastedWave, TheProgramsOwnClipboardTextReadsBackExactlyForEveryValue)
{
    for (int first = kSampleMin; first <= kSampleMax; first += kSampleCount) {
        ArraySampleSet samples;
        for (int i = 0; i < kSampleCount; ++i)
            samples.values[i] = std::min(first + i, kSampleMax);
        EXPECT_EQ(readPastedWave(clipboardText(samples)), PastedWave(samples.values)) << first;
    }
}

TEST(TrackerWave, FullScaleFillsEachDepthAndHalvesGoToEven)
{
    const struct
    {
        int bits, sample, level;
    } cases[] = {
        {4, -500, 0}, {4, 500, 15}, {4, 0, 8}, // 7.5
        {5, -500, 0}, {5, 500, 31}, {5, 0, 16}, // 15.5
        {6, -500, 0}, {6, 500, 63}, {6, 0, 32}, // 31.5
        {8, -500, 0}, {8, 500, 255}, {8, 0, 128}, // 127.5
        {8, -400, 26}, {8, -200, 76}, // 25.5 and 76.5
        {4, -434, 1}, {4, -433, 1}, {4, -432, 1}, // 0.99, 1.005, 1.02
    };
    for (const auto& c : cases)
        EXPECT_EQ(trackerLevel(c.sample, c.bits), c.level) << c.bits << " bits, " << c.sample;
    EXPECT_EQ(trackerSample(1, 4), -433); // 66.67 - 500
    EXPECT_EQ(trackerSample(128, 8), 2); // 501.96 - 500
}

TEST(TrackerWave, EveryWaveOnTheDepthsGridSurvivesTheRoundTrip)
{
    for (const int bits : kTrackerDepths) {
        const int top = (1 << bits) - 1;
        for (int first = 0; first <= top; first += kSampleCount) {
            Wave wave {};
            for (int i = 0; i < kSampleCount; ++i)
                wave[i] = trackerSample(std::min(first + i, top), bits);
            EXPECT_EQ(readTrackerWave(trackerText(wave, bits), bits), PastedWave(wave)) << bits;
        }
    }
}

TEST(TrackerWave, TextIsBlankSeparatedLevelsAndOnlyLevelsOfTheDepthPaste)
{
    std::string centre;
    for (int i = 0; i < 30; ++i)
        centre += " 8";
    EXPECT_EQ(trackerText(waveOf({{0, 500}, {1, -500}}), 4), "15 0" + centre);
    // Level 0 is the bottom of the range: -500.
    Wave topThenBottom {};
    topThenBottom.fill(kSampleMin);
    topThenBottom[0] = kSampleMax;
    const std::string zeros31 = joined(fields(31, "0"), " ");
    const struct
    {
        const char* name;
        int bits;
        std::string text;
        PastedWave expected;
    } cases[] = {
        {"top of 4 bits", 4, "15 " + zeros31, topThenBottom},
        {"leading zeros", 6, "00063 " + zeros31, topThenBottom},
        {"above 4 bits", 4, zeros31 + " 16",
            "A whole number from 0 to 15 was expected as value 32; \"16\" was found."},
        {"above 8 bits", 8, "256 " + zeros31,
            "A whole number from 0 to 255 was expected as value 1; \"256\" was found."},
        {"more digits than any level", 8, "99999999999999999999 " + zeros31,
            "A whole number from 0 to 255 was expected as value 1; \"99999999999999999999\" was "
            "found."},
        {"a sign", 5, "-1 " + zeros31,
            "A whole number from 0 to 31 was expected as value 1; \"-1\" was found."},
        {"a point", 5, "1.0 " + zeros31,
            "A whole number from 0 to 31 was expected as value 1; \"1.0\" was found."},
        {"31 levels", 4, zeros31, "32 numbers were expected; 31 were found."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readTrackerWave(c.text, c.bits), c.expected) << c.name;
}

} // namespace
