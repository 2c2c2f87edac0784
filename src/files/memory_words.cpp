#include "files/memory_words.h"

#include "wave/number_text.h"
#include "wave/sample_set.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <type_traits>

namespace ondulix {

namespace {

constexpr double kFullScale = 0.5;

// Every shift below is by less than 64 only within these widths.
void checkWidth(int bits)
{
    if (bits < kMinWordBits || bits > kMaxWordBits)
        throw std::invalid_argument("a memory word has 2 to 32 bits, not " + std::to_string(bits));
}

std::int64_t scaledWord(double value, int bits)
{
    if (std::isnan(value))
        return 0;
    const double limited = std::clamp(value, -kFullScale, kFullScale);
    const auto largest = static_cast<double>((std::int64_t {1} << (bits - 1)) - 1);
    // |limited x 2| <= 1, so the product stays within the word and the cast is exact.
    return static_cast<std::int64_t>(roundHalfEven(limited * 2 * largest));
}

// The tracker forms' rule, (sample + 500) x (2^bits - 1) / 1000 rounded half to even, in
// 64 bits so that every width of a memory word holds.
std::uint64_t chipLevel(double value, int bits)
{
    const int sample = roundToIntIn(value * 1000.0, kSampleMin, kSampleMax);
    const long long top = (std::int64_t {1} << bits) - 1;
    return static_cast<std::uint64_t>(divideRoundHalfEven(
        static_cast<long long>(sample - kSampleMin) * top, kSampleMax - kSampleMin));
}

// Each sample value of the table in address order, made a word by `toWord`: a template, so that
// the conversion is inlined into the loop rather than called through a function object 1024 times.
template <typename ToWord>
std::vector<std::invoke_result_t<ToWord, double>> wordsOfSamples(
    const PatternTable& table, ToWord toWord)
{
    std::vector<std::invoke_result_t<ToWord, double>> words;
    words.reserve(kMemoryDepth);
    for (int line = 1; line <= kPatternLineCount; ++line) {
        for (int sample = 0; sample < kSampleCount; ++sample)
            words.push_back(toWord(readNumber(table.cell(line, kFirstSampleRow + sample))));
    }
    return words;
}

std::vector<std::uint64_t> packedNibbles(const std::vector<std::uint64_t>& levels)
{
    std::vector<std::uint64_t> bytes;
    bytes.reserve(levels.size() / 2);
    for (std::size_t i = 0; i + 1 < levels.size(); i += 2)
        bytes.push_back(levels[i] << 4 | levels[i + 1]);
    return bytes;
}

std::uint64_t encodedWord(std::int64_t word, const WordFormat& format)
{
    const std::uint64_t mask = (std::uint64_t {1} << format.bits) - 1;
    if (format.encoding == WordEncoding::OffsetBinary)
        word += std::int64_t {1} << (format.bits - 1);
    return static_cast<std::uint64_t>(word) & mask;
}

} // namespace

std::vector<std::int64_t> memoryWords(const PatternTable& table, int bits)
{
    checkWidth(bits);
    return wordsOfSamples(table, [bits](double value) { return scaledWord(value, bits); });
}

std::optional<std::string> packingFault(const WordFormat& format)
{
    if (!format.packed || (format.bits == 4 && format.encoding == WordEncoding::Levels))
        return std::nullopt;
    return "packing takes 4-bit chip levels (--bits 4 --levels), two to a byte";
}

int storedBits(const WordFormat& format)
{
    return format.packed ? 8 : format.bits;
}

int storedWordsPerLine(const WordFormat& format)
{
    return format.packed ? 16 : 32;
}

std::vector<std::uint64_t> encodedWords(const PatternTable& table, const WordFormat& format)
{
    checkWidth(format.bits);
    if (const auto fault = packingFault(format))
        throw std::invalid_argument(*fault);
    if (format.encoding == WordEncoding::Levels) {
        std::vector<std::uint64_t> levels = wordsOfSamples(
            table, [bits = format.bits](double value) { return chipLevel(value, bits); });
        return format.packed ? packedNibbles(levels) : levels;
    }
    std::vector<std::uint64_t> words;
    words.reserve(kMemoryDepth);
    for (const std::int64_t word : memoryWords(table, format.bits))
        words.push_back(encodedWord(word, format));
    return words;
}

std::string wordsDescription(const WordFormat& format)
{
    const std::string top = std::to_string((std::uint64_t {1} << format.bits) - 1);
    if (format.packed)
        return std::to_string(kMemoryDepth / 2)
            + " bytes, two chip levels 0 to 15 each, the first in the high nibble";
    return std::to_string(kMemoryDepth) + " words of " + std::to_string(format.bits) + " bits, "
        + (format.encoding == WordEncoding::TwosComplement      ? "two's complement"
                : format.encoding == WordEncoding::OffsetBinary ? "offset binary"
                                                                : "chip levels 0 to " + top);
}

WordImage wordImage(const PatternTable& table, const WordFormat& format)
{
    return {encodedWords(table, format), storedBits(format), kPatternLineCount,
        storedWordsPerLine(format), format.packed ? 2 : 1,
        format.encoding == WordEncoding::TwosComplement, wordsDescription(format)};
}

std::int64_t signedValue(std::uint64_t word, int bits)
{
    const std::uint64_t sign = std::uint64_t {1} << (bits - 1);
    return static_cast<std::int64_t>((word ^ sign) - sign);
}

} // namespace ondulix
