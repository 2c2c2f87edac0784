#include "files/word_array.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace ondulix {

namespace {

constexpr int kValuesPerRow = 8; // keeps a line of 32-bit values readable
constexpr std::size_t kHexRecordBytes = 16;

// The size in bytes of the array's type: 1, 2 or 4.
int elementBytes(int bits)
{
    return bits <= 8 ? 1 : bits <= 16 ? 2 : 4;
}

std::string typeName(const WordImage& image)
{
    const std::string bits = std::to_string(elementBytes(image.bits) * 8);
    return (image.isSigned ? "int" : "uint") + bits + "_t";
}

// The values as the array's type holds them: a signed word sign-extended, an unsigned one (offset
// binary, a chip level or two packed) as it is.
std::int64_t arrayValue(const WordImage& image, std::uint64_t word)
{
    return image.isSigned ? signedValue(word, image.bits) : static_cast<std::int64_t>(word);
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

// Motorola's record: "S", the type, then the count (of address, data and checksum bytes), a
// 16-bit address and the data in hex, and the checksum, the ones' complement of their sum.
std::string sRecord(unsigned type, std::size_t address, std::string_view data)
{
    std::string record = "S" + std::to_string(type);
    unsigned sum = 0;
    const auto put = [&](unsigned byte) {
        record += hexByte(byte);
        sum += byte;
    };
    put(static_cast<unsigned>(data.size()) + 3);
    put(static_cast<unsigned>(address >> 8) & 0xFF);
    put(static_cast<unsigned>(address) & 0xFF);
    for (const char byte : data)
        put(static_cast<unsigned char>(byte));
    record += hexByte(~sum & 0xFF);
    return record + '\n';
}

} // namespace

std::string cHeaderText(
    const WordImage& image, const std::string& arrayName, const std::string& sourceName)
{
    const std::string type = typeName(image);
    const std::string guard = guardName(arrayName);
    const char* suffix = image.isSigned ? "" : "u";
    const int perLine = image.wordsPerLine;

    std::ostringstream text;
    text << "/* Ondulix wavetable of " << commentText(sourceName) << "\n * " << image.description
         << ", as " << type << ": " << arrayName
         << (image.samplesPerWord == 2 ? "[line - 1][(sample - 1) / 2]. */\n"
                                       : "[line - 1][sample - 1]. */\n")
         << "#ifndef " << guard << "\n#define " << guard << "\n\n#include <stdint.h>\n\n"
         << "static const " << type << ' ' << arrayName << '[' << image.lines << "][" << perLine
         << "] = {\n";
    for (int line = 0; line < image.lines; ++line) {
        text << "    { /* line " << line + 1 << " */";
        for (int word = 0; word < perLine; ++word) {
            text << (word % kValuesPerRow == 0 ? "\n        " : " ")
                 << arrayValue(image, image.words[static_cast<std::size_t>(line * perLine + word)])
                 << suffix << (word + 1 < perLine ? "," : "");
        }
        text << "\n    }" << (line + 1 < image.lines ? "," : "") << '\n';
    }
    text << "};\n\n#endif /* " << guard << " */\n";
    return text.str();
}

std::string cHeaderText(const PatternTable& table, const WordFormat& words,
    const std::string& arrayName, const std::string& sourceName)
{
    return cHeaderText(wordImage(table, words), arrayName, sourceName);
}

std::string arrayBytes(const WordImage& image)
{
    const int size = elementBytes(image.bits);
    std::string bytes;
    bytes.reserve(image.words.size() * static_cast<std::size_t>(size));
    for (const std::uint64_t word : image.words) {
        const auto pattern = static_cast<std::uint64_t>(arrayValue(image, word));
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((pattern >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string intelHexText(const WordImage& image)
{
    constexpr unsigned kDataRecord = 0x00;
    constexpr unsigned kEndOfFileRecord = 0x01;
    const std::string bytes = arrayBytes(image);
    std::string text;
    for (std::size_t address = 0; address < bytes.size(); address += kHexRecordBytes)
        text += hexRecord(
            address, kDataRecord, std::string_view(bytes).substr(address, kHexRecordBytes));
    return text + hexRecord(0, kEndOfFileRecord, {});
}

std::string intelHexText(const PatternTable& table, const WordFormat& words)
{
    return intelHexText(wordImage(table, words));
}

std::string sRecordText(const WordImage& image)
{
    const std::string bytes = arrayBytes(image);
    // S0 names the image, S1 records carry 16 bytes at 16-bit addresses, which reach all of the
    // at most 4 KiB, and S9 ends the file with the start address 0.
    std::string text = sRecord(0, 0, "ondulix");
    for (std::size_t address = 0; address < bytes.size(); address += kHexRecordBytes)
        text += sRecord(1, address, std::string_view(bytes).substr(address, kHexRecordBytes));
    return text + sRecord(9, 0, {});
}

} // namespace ondulix
