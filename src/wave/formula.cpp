#include "wave/formula.h"

#include "wave/formula_parser.h"
#include "wave/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ondulix {

namespace {

// Where a value was found, as the sliders and the line selector count: from 1.
std::string placeOf(int line, int index)
{
    return "line " + std::to_string(line) + ", sample " + std::to_string(index + 1)
        + " (i = " + std::to_string(index) + ")";
}

std::optional<std::string> rangeRefusal(const FormulaRequest& request)
{
    const auto onTable = [](int line) { return line >= 1 && line <= kSampleCount; };
    if (onTable(request.fromLine) && onTable(request.toLine) && request.fromLine <= request.toLine)
        return std::nullopt;
    return "Lines from 1 to 32 were expected, From not after To; From "
        + std::to_string(request.fromLine) + " and To " + std::to_string(request.toLine)
        + " were given.";
}

// The first value, in line order and then sample order, that no level can take.
std::optional<std::string> valueRefusal(
    const std::vector<double>& values, const FormulaRequest& request)
{
    for (std::size_t at = 0; at < values.size(); ++at) {
        const double value = values[at];
        const int line = request.fromLine + static_cast<int>(at / kSampleCount);
        const int index = static_cast<int>(at % kSampleCount);
        if (std::isnan(value))
            return "The formula gives no number (NaN) at " + placeOf(line, index) + ".";
        if (std::isinf(value))
            return "The formula gives an infinite value at " + placeOf(line, index) + ".";
        if (request.level == FormulaLevel::AsWritten && std::abs(value) > 1.0)
            return "As written, values from -1 to 1 were expected; the formula gives "
                + generalForm(value) + " at " + placeOf(line, index) + ".";
    }
    return std::nullopt;
}

// Dividing by the peak first puts the peak itself on exactly +-500, however small it is.
Wave levelled(const double* values, FormulaLevel level)
{
    double divisor = 1.0;
    if (level == FormulaLevel::Normalize) {
        divisor = 0.0; // the peak
        for (int i = 0; i < kSampleCount; ++i)
            divisor = std::max(divisor, std::abs(values[i]));
        if (divisor == 0.0)
            return Wave {};
    }
    Wave wave {};
    for (int i = 0; i < kSampleCount; ++i)
        wave[i] = roundToIntIn(values[i] / divisor * kSampleMax, kSampleMin, kSampleMax);
    return wave;
}

} // namespace

FormulaWaves evaluateFormula(const FormulaRequest& request)
{
    if (auto refusal = rangeRefusal(request))
        return *std::move(refusal);
    ReadResult<std::vector<double>> values
        = formulaValues(request.expression, request.fromLine, request.toLine);
    if (const Refusal* refusal = refusalIn(values))
        return *refusal;
    const auto& results = std::get<std::vector<double>>(values);
    if (auto refusal = valueRefusal(results, request))
        return *std::move(refusal);
    std::vector<Wave> waves;
    for (std::size_t first = 0; first < results.size(); first += kSampleCount)
        waves.push_back(levelled(results.data() + first, request.level));
    return waves;
}

} // namespace ondulix
