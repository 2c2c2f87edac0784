#include "files/memory_words.h"

#include "wave/number_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

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
    std::vector<std::int64_t> words;
    words.reserve(kMemoryDepth);
    for (int line = 1; line <= kPatternLineCount; ++line) {
        for (int sample = 0; sample < 32; ++sample)
            words.push_back(
                scaledWord(readNumber(table.cell(line, kFirstSampleRow + sample)), bits));
    }
    return words;
}

std::vector<std::uint64_t> encodedWords(const PatternTable& table, const WordFormat& format)
{
    std::vector<std::uint64_t> words;
    words.reserve(kMemoryDepth);
    for (const std::int64_t word : memoryWords(table, format.bits))
        words.push_back(encodedWord(word, format));
    return words;
}

std::string wordsDescription(const WordFormat& format)
{
    return std::to_string(kMemoryDepth) + " words of " + std::to_string(format.bits) + " bits, "
        + (format.encoding == WordEncoding::TwosComplement ? "two's complement" : "offset binary");
}

} // namespace ondulix
