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

constexpr int kGameBoyBits = 4;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The character that starts at `at`, whole: a message must not quote half of a UTF-8 sequence.
std::string_view characterAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return text.substr(at, length);
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

std::string gameBoyText(const Wave& wave)
{
    std::string text;
    for (const int sample : wave)
        text += kHexDigits[trackerLevel(sample, kGameBoyBits)];
    return text;
}

PastedWave readGameBoyWave(std::string_view text)
{
    Wave wave {};
    std::size_t count = 0;
    for (const std::string_view field : pasteFields(text)) {
        for (std::size_t at = 0; at < field.size(); ++at, ++count) {
            const int level = hexDigitValue(field[at]);
            if (level < 0)
                return valueMessage(
                    "A hexadecimal digit from 0 to F", characterAt(field, at), count);
            if (count < wave.size())
                wave[count] = trackerSample(level, kGameBoyBits);
        }
    }
    if (count != kSampleCount)
        return "32 hexadecimal digits were expected; " + std::to_string(count)
            + (count == 1 ? " was found." : " were found.");
    return wave;
}

} // namespace ondulix
