#include "files/memory_image.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace ondulix {

// The source name goes into a comment line: control characters in it must not end that
// line and start lines of their own in the image.
std::string printableName(const std::string& name)
{
    std::string text = name;
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, '?');
    return text;
}

namespace {

// 1024 addresses take 000 .. 3FF; the longest chip image, 4096 words, still fits in three.
constexpr int kAddressHexDigits = 3;

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

std::string verilogText(const WordImage& image, MemoryFormat kind, const std::string& source)
{
    const bool hex = kind == MemoryFormat::Readmemh;
    std::ostringstream text;
    text << "// Ondulix memory image of " << printableName(source) << '\n'
         << "// " << image.description << '\n';
    const auto perLine = static_cast<std::size_t>(image.wordsPerLine);
    for (std::size_t address = 0; address < image.words.size(); ++address) {
        if (address % perLine == 0)
            text << '@' << digits(address, 16, kAddressHexDigits) << '\n';
        const std::uint64_t word = image.words[address];
        text << (hex ? digits(word, 16, hexWidth(image.bits)) : digits(word, 2, image.bits))
             << '\n';
    }
    return text.str();
}

std::string mifText(const WordImage& image, const std::string& source)
{
    std::ostringstream text;
    text << "-- Ondulix memory image of " << printableName(source) << '\n'
         << "-- " << image.description << '\n'
         << "WIDTH=" << image.bits << ";\n"
         << "DEPTH=" << image.words.size() << ";\n"
         << "ADDRESS_RADIX=HEX;\n"
         << "DATA_RADIX=HEX;\n"
         << "CONTENT BEGIN\n";
    for (std::size_t address = 0; address < image.words.size(); ++address) {
        text << '\t' << digits(address, 16, kAddressHexDigits) << " : "
             << digits(image.words[address], 16, hexWidth(image.bits)) << ";\n";
    }
    text << "END;\n";
    return text.str();
}

std::string coeText(const WordImage& image, const std::string& source)
{
    std::ostringstream text;
    text << "; Ondulix memory image of " << printableName(source) << '\n'
         << "; " << image.description << '\n'
         << "memory_initialization_radix=16;\n"
         << "memory_initialization_vector=\n";
    const std::size_t count = image.words.size();
    for (std::size_t address = 0; address < count; ++address) {
        text << digits(image.words[address], 16, hexWidth(image.bits))
             << (address + 1 < count ? ",\n" : ";\n");
    }
    return text.str();
}

} // namespace

std::string memoryImageText(
    const WordImage& image, MemoryFormat format, const std::string& sourceName)
{
    switch (format) {
    case MemoryFormat::Mif:
        return mifText(image, sourceName);
    case MemoryFormat::Coe:
        return coeText(image, sourceName);
    default:
        return verilogText(image, format, sourceName);
    }
}

std::string memoryImageText(const PatternTable& table, const WordFormat& words, MemoryFormat format,
    const std::string& sourceName)
{
    return memoryImageText(wordImage(table, words), format, sourceName);
}

} // namespace ondulix
