#include "wave/tracker_wave.h"

#include "wave/number_text.h"

#include <algorithm>

namespace ondulix {

namespace {

constexpr int kSampleSpan = kSampleMax - kSampleMin;

int topLevel(int bits)
{
    return (1 << bits) - 1;
}

bool isWholeNumber(std::string_view field)
{
    return !field.empty()
        && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int trackerLevel(int sample, int bits)
{
    return static_cast<int>(divideRoundHalfEven(
        static_cast<long long>(sample - kSampleMin) * topLevel(bits), kSampleSpan));
}

int trackerSample(int level, int bits)
{
    const long long top = topLevel(bits);
    return static_cast<int>(
        divideRoundHalfEven(level * static_cast<long long>(kSampleSpan) + kSampleMin * top, top));
}

std::string trackerText(const Wave& wave, int bits)
{
    std::string text;
    for (int i = 0; i < kSampleCount; ++i) {
        if (i > 0)
            text += ' ';
        text += std::to_string(trackerLevel(wave[i], bits));
    }
    return text;
}

PastedWave readTrackerWave(std::string_view text, int bits)
{
    const std::vector<std::string_view> fields = pasteFields(text);
    const std::string expected = "A whole number from 0 to " + std::to_string(topLevel(bits));
    // Leading zeros aside, no level has more digits than this; a longer field is out of range
    // without being read, so no digit string can overflow.
    constexpr std::size_t kMostDigits = 9;
    Wave wave {};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view digits
            = fields[i].substr(std::min(fields[i].find_first_not_of('0'), fields[i].size() - 1));
        if (!isWholeNumber(fields[i]) || digits.size() > kMostDigits
            || std::stoi(std::string(digits)) > topLevel(bits))
            return valueMessage(expected, fields[i], i);
        if (i < wave.size())
            wave[i] = trackerSample(std::stoi(std::string(digits)), bits);
    }
    if (fields.size() != kSampleCount)
        return countMessage(fields.size());
    return wave;
}

} // namespace ondulix
