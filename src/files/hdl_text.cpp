#include "files/hdl_text.h"

#include "files/memory_image.h"

#include <sstream>

namespace ondulix {

namespace {

constexpr int kWordsPerRow = 8;

std::string hexDigits(std::uint64_t value, int bits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>((bits + 3) / 4), '0');
    for (auto digit = text.rbegin(); digit != text.rend(); ++digit, value >>= 4)
        *digit = kDigits[value & 0xF];
    return text;
}

// A literal of exactly the word's width, as both languages size them: 6x"3F", 6'h3F.
std::string sized(std::uint64_t word, int bits, const char* form)
{
    return std::to_string(bits) + form + hexDigits(word, bits);
}

} // namespace

int addressBits(std::size_t words)
{
    int bits = 1;
    while ((std::size_t {1} << bits) < words)
        ++bits;
    return bits;
}

std::string vhdlPackageText(const WordImage& image, const std::string& sourceName)
{
    std::ostringstream text;
    text << "-- Ondulix memory image of " << printableName(sourceName) << "\n-- "
         << image.description << "\nlibrary ieee;\nuse ieee.std_logic_1164.all;\n\n"
         << "package ondulix_table_pkg is\n"
         << "    constant ONDULIX_WORD_WIDTH : positive := " << image.bits << ";\n"
         << "    constant ONDULIX_WORD_COUNT : positive := " << image.words.size() << ";\n"
         << "    subtype ondulix_word is std_logic_vector(ONDULIX_WORD_WIDTH - 1 downto 0);\n"
         << "    type ondulix_words is array (0 to ONDULIX_WORD_COUNT - 1) of ondulix_word;\n"
         << "    constant ONDULIX_TABLE : ondulix_words := (";
    const auto perLine = static_cast<std::size_t>(image.wordsPerLine);
    for (std::size_t address = 0; address < image.words.size(); ++address) {
        if (address % perLine == 0)
            text << "\n        -- line " << address / perLine + 1;
        text << (address % kWordsPerRow == 0 ? "\n        " : " ")
             << sized(image.words[address], image.bits, "x\"") << '"'
             << (address + 1 < image.words.size() ? "," : "");
    }
    text << "\n    );\nend package ondulix_table_pkg;\n";
    return text.str();
}

std::string verilogRomText(const WordImage& image, const std::string& sourceName)
{
    const int address = addressBits(image.words.size());
    std::ostringstream text;
    text << "// Ondulix memory image of " << printableName(sourceName) << "\n// "
         << image.description << "\nmodule ondulix_rom(input clk, input [" << address - 1
         << ":0] addr, output reg [" << image.bits - 1 << ":0] data);\n"
         << "    always @(posedge clk)\n        case (addr)\n";
    for (std::size_t at = 0; at < image.words.size(); ++at) {
        text << "            " << sized(at, address, "'h")
             << ": data <= " << sized(image.words[at], image.bits, "'h") << ";\n";
    }
    text << "            default: data <= " << sized(0, image.bits, "'h")
         << ";\n        endcase\nendmodule\n";
    return text.str();
}

} // namespace ondulix
