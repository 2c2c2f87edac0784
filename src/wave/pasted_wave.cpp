#include "wave/pasted_wave.h"

#include "wave/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ondulix {

namespace {

constexpr std::string_view kSeparators = "\t,; \r\n";
constexpr std::string_view kOwnMarker = "ABC";
// The longest stretch of a field a message quotes; a whole pasted page would drown it.
constexpr std::size_t kQuotedLength = 24;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

bool hasPointOrExponent(std::string_view field)
{
    return field.find_first_of(".eE") != std::string_view::npos;
}

// The 32 fields as samples, each value x read on the clipboard's scale (-0.5..0.5) or as whole
// sample values; the first field out of range is refused.
PastedWave samplesOf(const std::vector<std::string_view>& fields, bool clipboardScale)
{
    Wave wave {};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const double value = readNumber(fields[i]);
        if (clipboardScale) {
            if (!(std::fabs(value) <= kSampleMax / kSampleScale))
                return valueMessage("A value from -0.5 to 0.5", fields[i], i);
            wave[i] = roundToIntIn(value * kSampleScale, kSampleMin, kSampleMax);
        } else {
            if (!(std::fabs(value) <= kSampleMax))
                return valueMessage("A value from -500 to 500", fields[i], i);
            wave[i] = static_cast<int>(value);
        }
    }
    return wave;
}

std::optional<std::string> firstNonNumber(const std::vector<std::string_view>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!isPlainNumber(fields[i]))
            return valueMessage("A number", fields[i], i);
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string_view> pasteFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    std::size_t at = text.find_first_not_of(kSeparators);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kSeparators, at), text.size());
        fields.push_back(text.substr(at, end - at));
        at = text.find_first_not_of(kSeparators, end);
    }
    return fields;
}

bool isPlainNumber(std::string_view field)
{
    std::size_t at = 0;
    if (at < field.size() && (field[at] == '+' || field[at] == '-'))
        ++at;
    const std::size_t integerEnd = skipDigits(field, at);
    std::size_t digits = integerEnd - at;
    at = integerEnd;
    if (at < field.size() && field[at] == '.') {
        const std::size_t fractionEnd = skipDigits(field, at + 1);
        digits += fractionEnd - (at + 1);
        at = fractionEnd;
    }
    if (digits == 0)
        return false;
    if (at < field.size() && (field[at] == 'e' || field[at] == 'E')) {
        ++at;
        if (at < field.size() && (field[at] == '+' || field[at] == '-'))
            ++at;
        const std::size_t exponentEnd = skipDigits(field, at);
        if (exponentEnd == at)
            return false;
        at = exponentEnd;
    }
    return at == field.size();
}

std::string countMessage(std::size_t found)
{
    return "32 numbers were expected; " + std::to_string(found)
        + (found == 1 ? " was found." : " were found.");
}

std::string valueMessage(std::string_view expected, std::string_view field, std::size_t index)
{
    return std::string(expected) + " was expected as value " + std::to_string(index + 1) + "; "
        + quotedField(field) + " was found.";
}

std::string quotedField(std::string_view field)
{
    if (field.size() <= kQuotedLength)
        return "\"" + std::string(field) + "\"";
    return "\"" + std::string(field.substr(0, kQuotedLength)) + "...\"";
}

PastedWave readPastedWave(std::string_view text)
{
    std::vector<std::string_view> fields = pasteFields(text);
    const bool ownForm = !fields.empty() && fields.front() == kOwnMarker;
    if (ownForm)
        fields.erase(fields.begin());
    if (auto refusal = firstNonNumber(fields))
        return *std::move(refusal);

    bool clipboardScale = ownForm;
    if (!ownForm && fields.size() == kSampleCount + 1) {
        const double line = readNumber(fields.front());
        if (hasPointOrExponent(fields.front()) || line < 1 || line > kSampleCount)
            return "A line number from 1 to 32 was expected before 32 values; "
                + quotedField(fields.front()) + " was found.";
        fields.erase(fields.begin());
        clipboardScale = true;
    }
    if (fields.size() != kSampleCount)
        return countMessage(fields.size());
    if (!clipboardScale)
        clipboardScale = std::any_of(fields.begin(), fields.end(), hasPointOrExponent);
    return samplesOf(fields, clipboardScale);
}

} // namespace ondulix
