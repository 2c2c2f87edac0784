#include "wave/formula.h"

#include <gtest/gtest.h>
#include <map>

using namespace ondulix;

namespace {

constexpr auto kNormalize = FormulaLevel::Normalize;
constexpr auto kAsWritten = FormulaLevel::AsWritten;

// Samples to look at: {wave of the range, counted from 0; sample index} and the value expected.
using Spots = std::map<std::pair<int, int>, int>;

TEST(Formula, GivesTheseSamplesOrRefusesSayingWhatAndWhere)
{
    const std::string functions
        = "(floor(2.7) + fmod(-7, 3) + 2 * 5 % 3 + sgn(-3) + sgn(0) + sign(2)"
          " + min(1, 2) + max(3, 4) + abs(-1) + sqrt(4) + log(e) + exp(0)"
          " + cos(0) + tan(0) + (1 >= 1) + (1 != 1) + (2 == 2)) / 100";
    const std::vector<std::tuple<FormulaRequest, std::variant<Spots, std::string>>> cases = {
        // The README's examples. The first peaks at sample 4: 0.943 of full scale.
        {{"sin(2*pi*x) + sin(6*pi*x)/3", 7, 7, kNormalize},
            Spots {{{0, 0}, 0}, {{0, 4}, 500}, {{0, 8}, 354}, {{0, 20}, -500}}},
        {{"(1-t)*sin(2*pi*x) + t*(2*x-1)", 1, 32, kNormalize},
            Spots {
                {{0, 8}, 500}, {{0, 24}, -500}, {{31, 0}, -500}, {{31, 16}, 0}, {{31, 31}, 469}}},
        {{"x < 0.1 + 0.8*t ? 1 : -1", 1, 32, kAsWritten},
            Spots {{{0, 3}, 500}, {{0, 4}, -500}, {{15, 15}, 500}, {{15, 16}, -500},
                {{31, 28}, 500}, {{31, 29}, -500}}},
        // n and i as they are; t is 0 for one line. Halves of a sample go to the even side.
        {{"n/32 + t + i/1000", 5, 5, kAsWritten}, Spots {{{0, 0}, 78}, {{0, 31}, 94}}},
        {{"i == 1 ? 0.001 : 0.003", 1, 1, kAsWritten}, Spots {{{0, 1}, 0}, {{0, 0}, 2}}},
        {{functions, 1, 1, kAsWritten}, Spots {{{0, 0}, 75}}},
        {{"0 * x", 1, 2, kNormalize}, Spots {{{0, 5}, 0}, {{1, 31}, 0}}},
        {{"sin(", 1, 1}, "The formula ends too early."},
        {{"2 * zeta(x)", 1, 1}, "Unknown name \"zeta\" at character 5."},
        {{"2 x", 1, 1}, "Unexpected \"x\" at character 3."},
        {{"x + \xCF\x80 + 1", 1, 1}, "Unexpected \"\xCF\x80\" at character 5."},
        {{"x = 1", 1, 1}, "Unexpected \"=\" at character 3. To compare, write \"==\"."},
        {{"min(1, 2), 2", 1, 1}, "Unexpected \",\" at character 10. A formula gives one value."},
        {{"", 1, 1}, "The formula is empty."},
        {{std::string("x\0+ 1", 5), 1, 1}, "Unexpected NUL character at character 2."},
        {{"x < 0.5 ? 1", 1, 1}, "A \"?\" has no \":\" to go with it."},
        {{"sqrt(0.25 - x)", 3, 3},
            "The formula gives no number (NaN) at line 3, sample 10 (i = 9)."},
        {{"n == 7 ? 1/(x - 0.5) : x", 5, 9},
            "The formula gives an infinite value at line 7, sample 17 (i = 16)."},
        {{"2*x", 3, 4, kAsWritten},
            "As written, values from -1 to 1 were expected; the formula gives 1.0625 at line 3, "
            "sample 18 (i = 17)."},
        {{"x", 5, 3},
            "Lines from 1 to 32 were expected, From not after To; From 5 and To 3 were given."},
        {{"x", 1, 33},
            "Lines from 1 to 32 were expected, From not after To; From 1 and To 33 were given."},
    };
    for (const auto& [request, expected] : cases) {
        const FormulaWaves waves = evaluateFormula(request);
        if (const auto* message = std::get_if<std::string>(&expected)) {
            EXPECT_EQ(waves, FormulaWaves(*message)) << request.expression;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<std::vector<Wave>>(waves))
            << request.expression << ": " << std::get<Refusal>(waves).reason;
        const auto& got = std::get<std::vector<Wave>>(waves);
        EXPECT_EQ(got.size(), static_cast<std::size_t>(request.toLine - request.fromLine + 1));
        for (const auto& [where, value] : std::get<Spots>(expected))
            EXPECT_EQ(got.at(where.first)[where.second], value)
                << request.expression << ", wave " << where.first << ", sample " << where.second;
    }
}

} // namespace
