#include "files/memory_image.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace ondulix {

namespace {

constexpr int kAddressHexDigits = 3; // 1024 addresses: 000 .. 3FF

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

std::string verilogText(const std::vector<std::uint64_t>& words, const WordFormat& format,
    MemoryFormat kind, const std::string& source)
{
    const bool hex = kind == MemoryFormat::Readmemh;
    std::ostringstream text;
    text << "// Ondulix memory image of " << printable(source) << '\n'
         << "// " << wordsDescription(format) << '\n';
    const int bits = storedBits(format);
    const int perLine = storedWordsPerLine(format);
    for (std::size_t address = 0; address < words.size(); ++address) {
        if (address % static_cast<std::size_t>(perLine) == 0)
            text << '@' << digits(address, 16, kAddressHexDigits) << '\n';
        const std::uint64_t word = words[address];
        text << (hex ? digits(word, 16, hexWidth(bits)) : digits(word, 2, bits)) << '\n';
    }
    return text.str();
}

std::string mifText(
    const std::vector<std::uint64_t>& words, const WordFormat& format, const std::string& source)
{
    std::ostringstream text;
    text << "-- Ondulix memory image of " << printable(source) << '\n'
         << "-- " << wordsDescription(format) << '\n'
         << "WIDTH=" << storedBits(format) << ";\n"
         << "DEPTH=" << words.size() << ";\n"
         << "ADDRESS_RADIX=HEX;\n"
         << "DATA_RADIX=HEX;\n"
         << "CONTENT BEGIN\n";
    for (std::size_t address = 0; address < words.size(); ++address) {
        text << '\t' << digits(address, 16, kAddressHexDigits) << " : "
             << digits(words[address], 16, hexWidth(storedBits(format))) << ";\n";
    }
    text << "END;\n";
    return text.str();
}

std::string coeText(
    const std::vector<std::uint64_t>& words, const WordFormat& format, const std::string& source)
{
    std::ostringstream text;
    text << "; Ondulix memory image of " << printable(source) << '\n'
         << "; " << wordsDescription(format) << '\n'
         << "memory_initialization_radix=16;\n"
         << "memory_initialization_vector=\n";
    for (std::size_t address = 0; address < words.size(); ++address) {
        text << digits(words[address], 16, hexWidth(storedBits(format)))
             << (address + 1 < words.size() ? ",\n" : ";\n");
    }
    return text.str();
}

} // namespace

std::string memoryImageText(const PatternTable& table, const WordFormat& words, MemoryFormat format,
    const std::string& sourceName)
{
    const std::vector<std::uint64_t> encoded = encodedWords(table, words);
    switch (format) {
    case MemoryFormat::Mif:
        return mifText(encoded, words, sourceName);
    case MemoryFormat::Coe:
        return coeText(encoded, words, sourceName);
    default:
        return verilogText(encoded, words, format, sourceName);
    }
}

} // namespace ondulix
