#include "wave/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ondulix;

namespace {

struct FormCase
{
    double value;
    const char* general;
    const char* padded;
};

const FormCase kFormCases[] = {
    {0.5, "0.5", " .5"},
    {-0.25, "-0.25", "-.25"},
    {0.0, "0", " 0"},
    {-0.0, "0", " 0"},
    {1.0, "1", " 1"},
    {0.001, "0.001", " .001"},
    {-0.001, "-0.001", "-.001"},
    {7.0, "7", " 7"},
    {32.0, "32", " 32"},
    {-0.5, "-0.5", "-.5"},
    {0.123, "0.123", " .123"},
    {0.01, "0.01", " .01"},
    {12.5, "12.5", " 12.5"},
    {0.1 + 0.2, "0.3", " .3"}, // 15 significant digits, not the 17 of a round trip
    {1e-5, "1E-05", " 1E-05"},
    {1e15, "1E+15", " 1E+15"},
    {123456789012345.0, "123456789012345", " 123456789012345"},
};

TEST(NumberText, GeneralAndPaddedFormsOfTheExamples)
{
    for (const FormCase& c : kFormCases) {
        EXPECT_EQ(generalForm(c.value), c.general) << c.value;
        EXPECT_EQ(paddedForm(c.value), c.padded) << c.value;
    }
}

// Every sample value's text must hold only what a CSV line may hold, drop the leading zero
// only in the padded form, and read back to the very same value.
TEST(NumberText, EverySampleValueRoundTripsThroughBothForms)
{
    for (int v = -500; v <= 500; ++v) {
        const double value = v / 1000.0;
        const std::string general = generalForm(value);
        const std::string padded = paddedForm(value);
        EXPECT_EQ(general.find_first_not_of("-0123456789."), std::string::npos) << general;
        EXPECT_LE(general.size(), v < 0 ? 6u : 5u) << general;
        EXPECT_EQ(readNumber(general), value) << general;
        EXPECT_EQ(readNumber(padded), value) << padded;
        if (v > 0) {
            EXPECT_EQ(padded, " " + general.substr(1)) << v;
        } else if (v < 0) {
            EXPECT_EQ(padded, "-" + general.substr(2)) << v;
        }
        EXPECT_EQ(std::lround(readNumber(general) * 1000), v);
    }
}

struct ReadCase
{
    const char* text;
    double value;
};

const ReadCase kReadCases[] = {
    {" .5", 0.5},
    {"0.5", 0.5},
    {"0.5xyz", 0.5},
    {" 1 2", 12},
    {"", 0},
    {"abc", 0},
    {"\t-\n1\t.\n2 5", -1.25},
    {"+3", 3},
    {"-", 0},
    {".", 0},
    {"1.2.3", 1.2},
    {"1,5", 1}, // "," ends the number, whatever the locale says
    {"1e3", 1000},
    {"1E-3", 0.001},
    {"2D2", 200},
    {"2d+2", 200},
    {"1e", 1},
    {"1e+", 1},
    {"1 E 2", 100},
    {"-.25", -0.25},
    {"007", 7},
    {"0.000", 0},
    {"&H1F", 31},
    {"&hff", 255},
    {"&H", 0},
    {"&HG", 0},
    {"&O17", 15},
    {"&o8", 0},
    {"&X12", 0},
    {"& H 1 0", 16},
    {"\r5", 0}, // a carriage return is not passed over
    {"5\r", 5},
    {"1e400", std::numeric_limits<double>::infinity()},
    {"-1e999", -std::numeric_limits<double>::infinity()},
    {"1e-400", 0},
    {"1e99999999999999999999", std::numeric_limits<double>::infinity()},
    {"0.0000000000000000000000000001e28", 1},
    {"nan", 0},
    {"inf", 0},
};

// The largest double's 15 digits round up to "1.79769313486232E+308", beyond the double range:
// a text written from it would read back as an infinity. What is written must read back.
TEST(NumberText, NumbersAtTheTopOfTheRangeAndInfinitiesAreWrittenAsTheLargestThatReadsBack)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double largest = std::numeric_limits<double>::max();
    const std::pair<double, const char*> cases[] = {{largest, "1.79769313486231E+308"},
        {-largest, "-1.79769313486231E+308"}, {inf, "1.79769313486231E+308"},
        {-inf, "-1.79769313486231E+308"}, {1.7976931348623e308, "1.7976931348623E+308"}};
    for (const auto& [value, general] : cases) {
        EXPECT_EQ(generalForm(value), general) << value;
        EXPECT_TRUE(std::isfinite(readNumber(generalForm(value)))) << value;
        EXPECT_TRUE(std::isfinite(readNumber(paddedForm(value)))) << value;
    }
    EXPECT_EQ(paddedForm(inf), " 1.79769313486231E+308");
}

TEST(NumberText, ReadingFollowsTheRules)
{
    for (const ReadCase& c : kReadCases)
        EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, ReadingALongFieldOfDigitsGivesAFiniteValue)
{
    EXPECT_DOUBLE_EQ(readNumber("0." + std::string(40000, '3')), 1.0 / 3);
    EXPECT_TRUE(std::isinf(readNumber(std::string(400, '9'))));
    EXPECT_TRUE(std::isinf(readNumber("&H" + std::string(300, 'F'))));
}

// A field may run to a mebibyte: the digits' place and the exponent must add up in full, however
// far each reaches on its own.
TEST(NumberText, AnExponentAndAVeryLongRunOfDigitsAddUp)
{
    const std::string zeros(200000, '0');
    EXPECT_EQ(readNumber("1" + zeros + "e-199990"), 1e10);
    EXPECT_EQ(readNumber("0." + zeros + "25e200000"), 0.25);
    EXPECT_EQ(readNumber("0." + zeros + "1e100005"), 0);
    EXPECT_TRUE(std::isinf(readNumber("1" + zeros + "e-100000")));
}

TEST(NumberText, RoundingTakesHalvesToTheEvenNeighbour)
{
    const std::pair<double, double> cases[]
        = {{2.5, 2}, {3.5, 4}, {-0.5, 0}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3},
            {-3.5, -4}, {7.5, 8}, {166.66666666666666, 167}, {1e300, 1e300}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
}

TEST(NumberText, IntegerConversionLimitsOutOfRangeAndNonFiniteValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, int> cases[] = {{499.5, 500}, {500.5, 500}, {1e300, 500}, {inf, 500},
        {-inf, -500}, {-1e300, -500}, {nan, 0}, {-500.5, -500}, {2.5, 2}, {-2.5, -2}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(roundToIntIn(value, -500, 500), expected) << value;
    EXPECT_EQ(roundToIntIn(nan, 1, 32), 1);
}

} // namespace
