#include "array_sample_set.h"
#include "pattern/clipboard_text.h"
#include "wave/chip_depth.h"
#include "wave/pasted_wave.h"
#include "wave/tracker_wave.h"
#include "wave/wave_transforms.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

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

// `count` fields joined by `separator`: the leading ones given, then zeros.
std::string listOf(int count, const std::string& separator, std::vector<std::string> leading = {})
{
    leading.resize(count, "0");
    std::string text = leading[0];
    for (int i = 1; i < count; ++i)
        text += separator + leading[i];
    return text;
}

PastedWave refusal(const std::string& expected, int value, const std::string& field)
{
    return expected + " was expected as value " + std::to_string(value) + "; \"" + field
        + "\" was found.";
}

TEST(WaveTransforms, GiveTheseExactValues)
{
    // Full scale, and the ends, which the circular transforms join.
    const Wave ends = waveOf({{0, 500}, {1, -500}, {30, 7}, {31, -2}});
    // Lone peaks of 6 and -6 whose neighbours smooth to exact halves, and small values side by
    // side.
    const Wave peaks = waveOf({{0, 500}, {1, -500}, {2, 3}, {3, 1}, {20, 6}, {24, -6}, {31, -2}});
    const std::vector<std::tuple<Wave (*)(const Wave&), Wave, Wave>> cases = {
        {inverted, ends, waveOf({{0, -500}, {1, 500}, {30, -7}, {31, 2}})},
        {reversed, ends, waveOf({{31, 500}, {30, -500}, {1, 7}, {0, -2}})},
        {rotatedLater, ends, waveOf({{1, 500}, {2, -500}, {31, 7}, {0, -2}})},
        {rotatedEarlier, ends, waveOf({{31, 500}, {0, -500}, {29, 7}, {30, -2}})},
        // 498 / 4 = 124.5 goes to the even 124, -2 / 4 to 0, 1.5 to 2 and -1.5 to -2.
        {smoothed, peaks,
            waveOf({{0, 124}, {1, -124}, {2, -123}, {3, 1}, {19, 2}, {20, 3}, {21, 2}, {23, -2},
                {24, -3}, {25, -2}, {31, 124}})},
    };
    for (const auto& [transform, wave, expected] : cases)
        EXPECT_EQ(transform(wave), expected);
}

TEST(PastedWave, ReadsEachFormAndRefusesAllElseWithWhatWasFound)
{
    const std::string zeros31 = listOf(31, " ");
    const std::string scaled = "A value from -0.5 to 0.5";
    const std::vector<std::pair<std::string, PastedWave>> cases = {
        {listOf(32, "\t", {"500", "-250", "+1", "007"}),
            waveOf({{0, 500}, {1, -250}, {2, 1}, {3, 7}})},
        {" ;\r\n" + listOf(32, ",; \t\r\n", {"1", "2", "3"}) + "\n\n",
            waveOf({{0, 1}, {1, 2}, {2, 3}})},
        // A point or an exponent anywhere puts the list on the clipboard's scale.
        {listOf(32, " ", {".5", "-0.25", "0.001"}), waveOf({{0, 500}, {1, -250}, {2, 1}})},
        {listOf(32, ",", {"5E-1", "-1e-3"}), waveOf({{0, 500}, {1, -1}})},
        // A line of a pattern file, and the program's own text, are on that scale always.
        {listOf(33, ", ", {"7", ".5", "-.25"}), waveOf({{0, 500}, {1, -250}})},
        {listOf(33, ",", {"32", "1"}), refusal(scaled, 1, "1")},
        {"ABC\t" + listOf(32, "\t", {"1"}), refusal(scaled, 1, "1")},
        {"42", Refusal("32 numbers were expected; 1 was found.")},
        {zeros31 + " 1 2 3", Refusal("32 numbers were expected; 34 were found.")},
        {"ABC\t" + listOf(31, "\t"), Refusal("32 numbers were expected; 31 were found.")},
        {" \t,;\r\n", Refusal("32 numbers were expected; 0 were found.")},
        // A long field is quoted cut short, after 24 characters.
        {"x" + std::string(40, '1') + " " + zeros31,
            refusal("A number", 1, "x11111111111111111111111...")},
        {"x" + std::string(23, '1') + " " + zeros31,
            refusal("A number", 1, "x" + std::string(23, '1'))},
        {listOf(32, " ", {"500", "-501"}), refusal("A value from -500 to 500", 2, "-501")},
        {listOf(32, " ", {"0.5001"}), refusal(scaled, 1, "0.5001")},
        {listOf(32, " ", {"0", "1e999"}), refusal(scaled, 2, "1e999")},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readPastedWave(text), expected) << text;
    for (const std::string field : {"1.2.3", "e5", "1e+", "-", "&H10", "abc"})
        EXPECT_EQ(readPastedWave(field + " " + zeros31), refusal("A number", 1, field));
    for (const std::string line : {"0", "33", "1.5"})
        EXPECT_EQ(readPastedWave(line + " " + listOf(32, " ")),
            PastedWave("A line number from 1 to 32 was expected before 32 values; \"" + line
                + "\" was found."));
}

// Every value, 32 at a time, comes back whole from the program's own text, and every level of
// each depth from a tracker wave.
TEST(PastedWave, EveryWaveOnTheGridOfItsTextComesBackWhole)
{
    for (int first = kSampleMin; first <= kSampleMax; first += kSampleCount) {
        ArraySampleSet samples;
        for (int i = 0; i < kSampleCount; ++i)
            samples.values[i] = std::min(first + i, kSampleMax);
        EXPECT_EQ(readPastedWave(clipboardText(samples)), PastedWave(samples.values)) << first;
    }
    for (const int bits : kTrackerDepths) {
        for (int first = 0; first < 1 << bits; first += kSampleCount) {
            Wave wave {};
            for (int i = 0; i < kSampleCount; ++i)
                wave[i] = trackerSample(std::min(first + i, (1 << bits) - 1), bits);
            EXPECT_EQ(readTrackerWave(trackerText(wave, bits), bits), PastedWave(wave)) << bits;
        }
    }
}

TEST(TrackerWave, FullScaleFillsEachDepthHalvesGoToEvenAndOnlyWholeLevelsPaste)
{
    const std::vector<std::array<int, 3>> levels = {
        // bits, sample, level
        {4, 500, 15}, {4, 0, 8}, {5, 500, 31}, {5, 0, 16}, // 7.5 and 15.5
        {6, 500, 63}, {6, 0, 32}, {8, 500, 255}, {8, 0, 128}, // 31.5 and 127.5
        {8, -500, 0}, {8, -400, 26}, {8, -200, 76}, // 25.5 and 76.5
        {4, -434, 1}, {4, -433, 1}, {4, -432, 1}, // 0.99, 1.005, 1.02
    };
    for (const auto& [bits, sample, level] : levels)
        EXPECT_EQ(trackerLevel(sample, bits), level) << bits << " bits, " << sample;
    EXPECT_EQ(trackerSample(1, 4), -433); // 66.67 - 500
    EXPECT_EQ(trackerSample(128, 8), 2); // 501.96 - 500

    Wave topThenBottom {};
    topThenBottom.fill(kSampleMin);
    topThenBottom[0] = kSampleMax;
    const std::string zeros31 = listOf(31, " ");
    const std::vector<std::tuple<int, std::string, PastedWave>> pastes = {
        {4, "15 " + zeros31, topThenBottom},
        {6, "00063 " + zeros31, topThenBottom},
        {4, zeros31 + " 16", refusal("A whole number from 0 to 15", 32, "16")},
        {8, "256 " + zeros31, refusal("A whole number from 0 to 255", 1, "256")},
        {8, "99999999999999999999 " + zeros31,
            refusal("A whole number from 0 to 255", 1, "99999999999999999999")},
        {5, "1.0 " + zeros31, refusal("A whole number from 0 to 31", 1, "1.0")},
        {4, zeros31, Refusal("32 numbers were expected; 31 were found.")},
    };
    for (const auto& [bits, text, expected] : pastes)
        EXPECT_EQ(readTrackerWave(text, bits), expected) << text;
}

TEST(TrackerWave, TheGameBoyFormIsOneHexadecimalDigitASampleInEitherCase)
{
    const Wave triangle = std::get<Wave>(readGameBoyWave("0123456789ABCDEFFEDCBA9876543210"));
    EXPECT_EQ(gameBoyText(triangle), "0123456789ABCDEFFEDCBA9876543210");
    EXPECT_EQ(std::pair(triangle[0], triangle[15]), std::pair(-500, 500));
    EXPECT_EQ(gameBoyText(waveOf({{0, -500}, {2, 500}})), "08F" + std::string(29, '8'));
    const std::string digit = "A hexadecimal digit from 0 to F";
    const std::vector<std::pair<std::string, PastedWave>> pastes = {
        {"0123456789abcdefFEDCBA9876543210\r\n", triangle},
        {"01 23 45 67 89 AB CD EF FE DC BA 98 76 54 32 10", triangle},
        {"0x 23456789ABCDEFFEDCBA9876543210", refusal(digit, 2, "x")},
        {"0123456789ABCDEFFEDCBA98765432\xC3\xA9\x30", refusal(digit, 31, "\xC3\xA9")},
        {"A", Refusal("32 hexadecimal digits were expected; 1 was found.")},
        {"F 0123456789ABCDEFFEDCBA9876543210",
            Refusal("32 hexadecimal digits were expected; 33 were found.")},
    };
    for (const auto& [text, expected] : pastes)
        EXPECT_EQ(readGameBoyWave(text), expected) << text;
}

// Every sample value through each depth of the menu: a full-scale ramp lands on exactly the
// chip's 2^N levels, the ends stay where they are, and a wave on the levels does not change.
TEST(ChipDepth, AFullScaleRampLandsOnTheChipsLevelsAndRoundingTwiceIsRoundingOnce)
{
    const std::map<int, std::size_t> levelCounts {{0, 1001}, {4, 16}, {5, 32}, {6, 64}, {8, 256}};
    for (const ChipDepth& depth : kChipDepths) {
        // Half a step between levels, and one more for the rounding of the level's own value.
        const int nearest = depth.bits == 0 ? 0 : 500 / ((1 << depth.bits) - 1) + 1;
        std::set<int> levels;
        for (int sample = kSampleMin; sample <= kSampleMax; ++sample) {
            const int rounded = onChipLevel(sample, depth.bits);
            levels.insert(rounded);
            EXPECT_EQ(onChipLevel(rounded, depth.bits), rounded) << depth.name << ", " << sample;
            EXPECT_LE(std::abs(rounded - sample), nearest) << sample;
        }
        EXPECT_EQ(levels.size(), levelCounts.at(depth.bits)) << depth.name;
        EXPECT_EQ(std::pair(*levels.begin(), *levels.rbegin()), std::pair(kSampleMin, kSampleMax));
    }
    // Whole waves; the zeros lie between levels 7 and 8 at 4 bits, and 8 is 33.
    const Wave wave {0, -436, 500};
    const Wave fourBits = onChipLevels(wave, 4);
    EXPECT_EQ(std::vector(fourBits.begin(), fourBits.begin() + 3), (std::vector {33, -433, 500}));
    EXPECT_EQ(std::set(fourBits.begin() + 3, fourBits.end()), std::set {33});
}

} // namespace
