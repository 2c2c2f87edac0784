#include "files/memory_image.h"

#include "files/word_array.h"

#include "wave/number_text.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace ondulix {

namespace {

constexpr double kFullScale = 0.5;
constexpr int kAddressHexDigits = 3; // 1024 addresses: 000 .. 3FF

std::int64_t largestWord(int bits)
{
    return (std::int64_t {1} << (bits - 1)) - 1;
}

std::string digits(std::uint64_t value, int base, int width)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0 && value != 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value % static_cast<std::uint64_t>(base)];
        value /= static_cast<std::uint64_t>(base);
    }
    return text;
}

int hexWidth(int bits)
{
    return (bits + 3) / 4;
}

// The source name goes into a comment line: control characters in it must not end that
// line and start lines of their own in the image.
std::string printable(const std::string& name)
{
    std::string text = name;
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, '?');
    return text;
}

std::string describe(const MemoryImageOptions& options)
{
    std::ostringstream text;
    text << kMemoryDepth << " words of " << options.bits << " bits, "
         << (options.encoding == WordEncoding::TwosComplement ? "two's complement"
                                                              : "offset binary");
    return text.str();
}

std::string verilogText(const std::vector<std::uint64_t>& words, const MemoryImageOptions& options)
{
    const bool hex = options.format == MemoryFormat::Readmemh;
    std::ostringstream text;
    text << "// Ondulix memory image of " << printable(options.sourceName) << '\n'
         << "// " << describe(options) << '\n';
    for (int address = 0; address < kMemoryDepth; ++address) {
        if (address % 32 == 0)
            text << '@' << digits(static_cast<std::uint64_t>(address), 16, kAddressHexDigits)
                 << '\n';
        const std::uint64_t word = words[static_cast<std::size_t>(address)];
        text << (hex ? digits(word, 16, hexWidth(options.bits)) : digits(word, 2, options.bits))
             << '\n';
    }
    return text.str();
}

std::string mifText(const std::vector<std::uint64_t>& words, const MemoryImageOptions& options)
{
    std::ostringstream text;
    text << "-- Ondulix memory image of " << printable(options.sourceName) << '\n'
         << "-- " << describe(options) << '\n'
         << "WIDTH=" << options.bits << ";\n"
         << "DEPTH=" << kMemoryDepth << ";\n"
         << "ADDRESS_RADIX=HEX;\n"
         << "DATA_RADIX=HEX;\n"
         << "CONTENT BEGIN\n";
    for (int address = 0; address < kMemoryDepth; ++address) {
        text << '\t' << digits(static_cast<std::uint64_t>(address), 16, kAddressHexDigits) << " : "
             << digits(words[static_cast<std::size_t>(address)], 16, hexWidth(options.bits))
             << ";\n";
    }
    text << "END;\n";
    return text.str();
}

std::string coeText(const std::vector<std::uint64_t>& words, const MemoryImageOptions& options)
{
    std::ostringstream text;
    text << "; Ondulix memory image of " << printable(options.sourceName) << '\n'
         << "; " << describe(options) << '\n'
         << "memory_initialization_radix=16;\n"
         << "memory_initialization_vector=\n";
    for (int address = 0; address < kMemoryDepth; ++address) {
        text << digits(words[static_cast<std::size_t>(address)], 16, hexWidth(options.bits))
             << (address + 1 < kMemoryDepth ? ",\n" : ";\n");
    }
    return text.str();
}

} // namespace

std::int64_t scaledWord(double value, int bits)
{
    if (std::isnan(value))
        return 0;
    const double limited = std::clamp(value, -kFullScale, kFullScale);
    // |limited x 2| <= 1, so the product stays within the word and the cast is exact.
    return static_cast<std::int64_t>(
        roundHalfEven(limited * 2 * static_cast<double>(largestWord(bits))));
}

std::uint64_t encodedWord(std::int64_t word, int bits, WordEncoding encoding)
{
    const std::uint64_t mask = (std::uint64_t {1} << bits) - 1; // bits <= 32
    if (encoding == WordEncoding::OffsetBinary)
        word += std::int64_t {1} << (bits - 1);
    return static_cast<std::uint64_t>(word) & mask;
}

std::vector<std::int64_t> memoryWords(const PatternTable& table, int bits)
{
    std::vector<std::int64_t> words;
    words.reserve(kMemoryDepth);
    for (int line = 1; line <= kPatternLineCount; ++line) {
        for (int sample = 0; sample < 32; ++sample)
            words.push_back(
                scaledWord(readNumber(table.cell(line, kFirstSampleRow + sample)), bits));
    }
    return words;
}

std::string memoryImageText(const PatternTable& table, const MemoryImageOptions& options)
{
    if (options.format == MemoryFormat::CHeader)
        return cHeaderText(table, options);
    if (options.format == MemoryFormat::IntelHex)
        return intelHexText(table, options);
    std::vector<std::uint64_t> words;
    words.reserve(kMemoryDepth);
    for (const std::int64_t word : memoryWords(table, options.bits))
        words.push_back(encodedWord(word, options.bits, options.encoding));
    switch (options.format) {
    case MemoryFormat::Mif:
        return mifText(words, options);
    case MemoryFormat::Coe:
        return coeText(words, options);
    default:
        return verilogText(words, options);
    }
}

} // namespace ondulix
