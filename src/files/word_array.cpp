#include "files/word_array.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace ondulix {

namespace {

constexpr int kPatternLines = 32;
constexpr int kValuesPerRow = 8; // keeps a line of 32-bit values readable
constexpr std::size_t kHexRecordBytes = 16;

// The size in bytes of the array's type: 1, 2 or 4.
int elementBytes(int bits)
{
    return bits <= 8 ? 1 : bits <= 16 ? 2 : 4;
}

bool isUnsigned(const WordFormat& words)
{
    return words.encoding != WordEncoding::TwosComplement;
}

std::string typeName(const WordFormat& words)
{
    const std::string bits = std::to_string(elementBytes(storedBits(words)) * 8);
    return (isUnsigned(words) ? "uint" : "int") + bits + "_t";
}

// The values as the array's type holds them: the signed word, or with offset binary its bit
// pattern, or the chip level (packed, two to a byte); none of the unsigned ones is negative.
std::vector<std::int64_t> arrayValues(const PatternTable& table, const WordFormat& words)
{
    if (words.encoding == WordEncoding::TwosComplement)
        return memoryWords(table, words.bits);
    const std::vector<std::uint64_t> encoded = encodedWords(table, words);
    return {encoded.begin(), encoded.end()};
}

std::string arrayBytes(const PatternTable& table, const WordFormat& words)
{
    const int size = elementBytes(storedBits(words));
    std::string bytes;
    for (const std::int64_t value : arrayValues(table, words)) {
        const auto pattern = static_cast<std::uint64_t>(value); // two's complement: sign-extended
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((pattern >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// The source name goes into a block comment: no control character may end its line, and no
// "/*" or "*/" may open or close a comment inside it.
std::string commentText(const std::string& name)
{
    std::string text = name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool closes = c == '*' && i + 1 < text.size() && text[i + 1] == '/';
        const bool opens = c == '*' && i > 0 && text[i - 1] == '/';
        if (c < 0x20 || c == 0x7f || closes || opens)
            text[i] = '_';
    }
    return text;
}

// The program's own prefix keeps the guard apart from the user's headers, which may well have a
// CONFIG_H or TABLE_H of their own.
std::string guardName(const std::string& arrayName)
{
    std::string guard = "ONDULIX_" + arrayName + "_H";
    std::transform(guard.begin(), guard.end(), guard.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return guard;
}

std::string hexByte(unsigned value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

std::string hexRecord(std::size_t address, unsigned type, std::string_view data)
{
    std::string record = ":";
    unsigned sum = 0;
    const auto put = [&](unsigned byte) {
        record += hexByte(byte);
        sum += byte;
    };
    put(static_cast<unsigned>(data.size()));
    put(static_cast<unsigned>(address >> 8) & 0xFF);
    put(static_cast<unsigned>(address) & 0xFF);
    put(type);
    for (const char byte : data)
        put(static_cast<unsigned char>(byte));
    put((0x100 - (sum & 0xFF)) & 0xFF); // the record's bytes then add up to 0
    return record + '\n';
}

} // namespace

std::string cHeaderText(const PatternTable& table, const WordFormat& words,
    const std::string& arrayName, const std::string& sourceName)
{
    const std::string type = typeName(words);
    const std::string guard = guardName(arrayName);
    const char* suffix = isUnsigned(words) ? "u" : "";
    const std::vector<std::int64_t> values = arrayValues(table, words);
    const int perLine = storedWordsPerLine(words);

    std::ostringstream text;
    text << "/* Ondulix wavetable of " << commentText(sourceName) << "\n * "
         << wordsDescription(words) << ", as " << type << ": " << arrayName
         << (words.packed ? "[line - 1][(sample - 1) / 2]. */\n" : "[line - 1][sample - 1]. */\n")
         << "#ifndef " << guard << "\n#define " << guard << "\n\n#include <stdint.h>\n\n"
         << "static const " << type << ' ' << arrayName << "[32][" << perLine << "] = {\n";
    for (int line = 0; line < kPatternLines; ++line) {
        text << "    { /* line " << line + 1 << " */";
        for (int word = 0; word < perLine; ++word) {
            text << (word % kValuesPerRow == 0 ? "\n        " : " ")
                 << values[static_cast<std::size_t>(line * perLine + word)] << suffix
                 << (word + 1 < perLine ? "," : "");
        }
        text << "\n    }" << (line + 1 < kPatternLines ? "," : "") << '\n';
    }
    text << "};\n\n#endif /* " << guard << " */\n";
    return text.str();
}

std::string intelHexText(const PatternTable& table, const WordFormat& words)
{
    constexpr unsigned kDataRecord = 0x00;
    constexpr unsigned kEndOfFileRecord = 0x01;
    const std::string bytes = arrayBytes(table, words);
    std::string text;
    for (std::size_t address = 0; address < bytes.size(); address += kHexRecordBytes)
        text += hexRecord(
            address, kDataRecord, std::string_view(bytes).substr(address, kHexRecordBytes));
    return text + hexRecord(0, kEndOfFileRecord, {});
}

} // namespace ondulix
