#include "files/word_array.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace ondulix {

namespace {

constexpr int kWordsPerLine = 32;
constexpr int kValuesPerRow = 8; // keeps a line of 32-bit values readable
constexpr std::size_t kHexRecordBytes = 16;

// C99 and C++11 keywords, as the header must compile as both, and the types it names.
constexpr std::string_view kKeywords[] = {"_Bool", "_Complex", "_Imaginary", "alignas", "alignof",
    "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch", "char",
    "char16_t", "char32_t", "class", "compl", "const", "const_cast", "constexpr", "continue",
    "decltype", "default", "delete", "do", "double", "dynamic_cast", "else", "enum", "explicit",
    "export", "extern", "false", "float", "for", "friend", "goto", "if", "inline", "int", "long",
    "mutable", "namespace", "new", "noexcept", "not", "not_eq", "nullptr", "operator", "or",
    "or_eq", "private", "protected", "public", "register", "reinterpret_cast", "restrict", "return",
    "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct", "switch",
    "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename",
    "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor",
    "xor_eq", "int8_t", "int16_t", "int32_t", "uint8_t", "uint16_t", "uint32_t"};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string typeName(const MemoryImageOptions& options)
{
    const std::string bits = std::to_string(arrayElementBytes(options.bits) * 8);
    return (options.encoding == WordEncoding::OffsetBinary ? "uint" : "int") + bits + "_t";
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

std::string guardName(const std::string& arrayName)
{
    std::string guard = arrayName + "_H";
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

int arrayElementBytes(int bits)
{
    return bits <= 8 ? 1 : bits <= 16 ? 2 : 4;
}

bool isArrayName(std::string_view name)
{
    if (name.empty() || !isLetter(name.front()))
        return false;
    if (!std::all_of(name.begin(), name.end(), [](char c) { return isLetter(c) || isDigit(c); }))
        return false;
    return std::find(std::begin(kKeywords), std::end(kKeywords), name) == std::end(kKeywords);
}

std::vector<std::int64_t> arrayValues(const PatternTable& table, const MemoryImageOptions& options)
{
    std::vector<std::int64_t> values = memoryWords(table, options.bits);
    if (options.encoding == WordEncoding::OffsetBinary) {
        for (std::int64_t& value : values)
            value = static_cast<std::int64_t>(encodedWord(value, options.bits, options.encoding));
    }
    return values;
}

std::string arrayBytes(const PatternTable& table, const MemoryImageOptions& options)
{
    const int size = arrayElementBytes(options.bits);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kMemoryDepth * size));
    for (const std::int64_t value : arrayValues(table, options)) {
        const auto pattern
            = static_cast<std::uint64_t>(value); // two's complement, so sign-extended
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((pattern >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string cHeaderText(const PatternTable& table, const MemoryImageOptions& options)
{
    const std::string type = typeName(options);
    const std::string guard = guardName(options.arrayName);
    const char* suffix = options.encoding == WordEncoding::OffsetBinary ? "u" : "";
    const std::vector<std::int64_t> values = arrayValues(table, options);

    std::ostringstream text;
    text << "/* Ondulix wavetable of " << commentText(options.sourceName) << "\n * " << kMemoryDepth
         << " words of " << options.bits << " bits, "
         << (options.encoding == WordEncoding::TwosComplement ? "two's complement"
                                                              : "offset binary")
         << ", as " << type << ": " << options.arrayName << "[line - 1][sample - 1]. */\n"
         << "#ifndef " << guard << "\n#define " << guard << "\n\n#include <stdint.h>\n\n"
         << "static const " << type << ' ' << options.arrayName << "[32][32] = {\n";
    for (int line = 0; line < kMemoryDepth / kWordsPerLine; ++line) {
        text << "    { /* line " << line + 1 << " */";
        for (int sample = 0; sample < kWordsPerLine; ++sample) {
            text << (sample % kValuesPerRow == 0 ? "\n        " : " ")
                 << values[static_cast<std::size_t>(line * kWordsPerLine + sample)] << suffix
                 << (sample + 1 < kWordsPerLine ? "," : "");
        }
        text << "\n    }" << (line + 1 < kMemoryDepth / kWordsPerLine ? "," : "") << '\n';
    }
    text << "};\n\n#endif /* " << guard << " */\n";
    return text.str();
}

std::string intelHexText(const PatternTable& table, const MemoryImageOptions& options)
{
    constexpr unsigned kDataRecord = 0x00;
    constexpr unsigned kEndOfFileRecord = 0x01;
    const std::string bytes = arrayBytes(table, options);
    std::string text;
    for (std::size_t address = 0; address < bytes.size(); address += kHexRecordBytes)
        text += hexRecord(
            address, kDataRecord, std::string_view(bytes).substr(address, kHexRecordBytes));
    return text + hexRecord(0, kEndOfFileRecord, {});
}

} // namespace ondulix
