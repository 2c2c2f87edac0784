#include "files/memory_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ondulix;

namespace {

TEST(MemoryImage, ScalingFillsTheWordSymmetricallyAndLimitsTheRest)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        double value;
        int bits;
        std::int64_t word;
    } cases[] = {
        {0.5, 16, 32767}, {-0.5, 16, -32767}, {0.001, 16, 66}, {-0.001, 16, -66}, {0.0, 16, 0},
        {0.5, 8, 127}, {-0.5, 8, -127}, {0.001, 8, 0}, {0.002, 8, 1}, {0.5, 10, 511},
        {0.001, 10, 1}, {-0.001, 10, -1}, {0.5, 2, 1}, {-0.5, 2, -1}, {0.5, 32, 2147483647},
        {-0.5, 32, -2147483647}, {1e300, 16, 32767}, {0.75, 16, 32767}, {-0.501, 16, -32767},
        {inf, 8, 127}, {-inf, 8, -127}, {std::numeric_limits<double>::quiet_NaN(), 16, 0},
        {0.25, 10, 256}, // 255.5, half to even
        {0.25, 8, 64}, // 63.5, half to even
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaledWord(c.value, c.bits), c.word) << c.value << " at " << c.bits << " bits";
}

TEST(MemoryImage, EncodingsGiveTheWordsBitPattern)
{
    const struct
    {
        std::int64_t word;
        int bits;
        WordEncoding encoding;
        std::uint64_t pattern;
    } cases[] = {
        {-1, 8, WordEncoding::TwosComplement, 0xFF},
        {-127, 8, WordEncoding::TwosComplement, 0x81},
        {127, 8, WordEncoding::TwosComplement, 0x7F},
        {-127, 8, WordEncoding::OffsetBinary, 0x01},
        {127, 8, WordEncoding::OffsetBinary, 0xFF},
        {0, 8, WordEncoding::OffsetBinary, 0x80},
        {-511, 10, WordEncoding::TwosComplement, 0x201},
        {-1, 10, WordEncoding::OffsetBinary, 0x1FF},
        {-2147483647, 32, WordEncoding::TwosComplement, 0x80000001},
        {0, 32, WordEncoding::OffsetBinary, 0x80000000},
        {-1, 2, WordEncoding::TwosComplement, 0x3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodedWord(c.word, c.bits, c.encoding), c.pattern) << c.word << " at " << c.bits;
}

// Line 1: 500, -500, 1, -1, 0, then 27 empty cells; line 2: -500; the rest never stored.
PatternTable smallTable()
{
    PatternTable table;
    const char* line1[] = {" .5", "-.5", " .001", "-.001", " 0"};
    for (int i = 0; i < 5; ++i)
        table.setCell(1, 2 + i, line1[i]);
    table.setCell(2, 2, "-0.5");
    table.setCell(2, 1, " 2"); // the first field plays no part
    return table;
}

std::string repeated(const std::string& text, int count)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

std::string hexAddress(int address)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03X", address);
    return text;
}

// The words after line 2: 30 lines of zeros, each led by its address in Verilog's form.
std::string zeroLinesFrom3(const std::string& zero)
{
    std::string text;
    for (int line = 3; line <= 32; ++line)
        text += "@" + hexAddress((line - 1) * 32) + "\n" + repeated(zero, 32);
    return text;
}

TEST(MemoryImage, ReadmemhAtEightBitsTwosComplement)
{
    const std::string expected = "// Ondulix memory image of wave.csv\n"
                                 "// 1024 words of 8 bits, two's complement\n"
                                 "@000\n7F\n81\n00\n00\n00\n"
        + repeated("00\n", 27) + "@020\n81\n" + repeated("00\n", 31) + zeroLinesFrom3("00\n");
    EXPECT_EQ(memoryImageText(smallTable(),
                  {8, WordEncoding::TwosComplement, MemoryFormat::Readmemh, "wave.csv"}),
        expected);
}

TEST(MemoryImage, ReadmemhAtSixteenBitsOffsetBinary)
{
    const std::string expected = "// Ondulix memory image of wave.csv\n"
                                 "// 1024 words of 16 bits, offset binary\n"
                                 "@000\nFFFF\n0001\n8042\n7FBE\n8000\n"
        + repeated("8000\n", 27) + "@020\n0001\n" + repeated("8000\n", 31)
        + zeroLinesFrom3("8000\n");
    EXPECT_EQ(memoryImageText(smallTable(),
                  {16, WordEncoding::OffsetBinary, MemoryFormat::Readmemh, "wave.csv"}),
        expected);
}

TEST(MemoryImage, ReadmembAtTenBits)
{
    const std::string zero = "0000000000\n";
    const std::string expected = "// Ondulix memory image of wave.csv\n"
                                 "// 1024 words of 10 bits, two's complement\n"
                                 "@000\n0111111111\n1000000001\n0000000001\n1111111111\n"
        + zero + repeated(zero, 27) + "@020\n1000000001\n" + repeated(zero, 31)
        + zeroLinesFrom3(zero);
    EXPECT_EQ(memoryImageText(smallTable(),
                  {10, WordEncoding::TwosComplement, MemoryFormat::Readmemb, "wave.csv"}),
        expected);
}

TEST(MemoryImage, MifAtTenBitsOffsetBinary)
{
    std::string content;
    const char* line1[] = {"3FF", "001", "201", "1FF"};
    for (int address = 0; address < 1024; ++address) {
        const std::string word = address < 4 ? line1[address] : address == 32 ? "001" : "200";
        content += "\t" + hexAddress(address) + " : " + word + ";\n";
    }
    const std::string expected = "-- Ondulix memory image of wave.csv\n"
                                 "-- 1024 words of 10 bits, offset binary\n"
                                 "WIDTH=10;\nDEPTH=1024;\nADDRESS_RADIX=HEX;\nDATA_RADIX=HEX;\n"
                                 "CONTENT BEGIN\n"
        + content + "END;\n";
    EXPECT_EQ(memoryImageText(
                  smallTable(), {10, WordEncoding::OffsetBinary, MemoryFormat::Mif, "wave.csv"}),
        expected);
}

TEST(MemoryImage, CoeAtSixteenBits)
{
    std::string vector;
    const char* line1[] = {"7FFF", "8001", "0042", "FFBE"};
    for (int address = 0; address < 1024; ++address) {
        const std::string word = address < 4 ? line1[address] : address == 32 ? "8001" : "0000";
        vector += word + (address == 1023 ? ";\n" : ",\n");
    }
    const std::string expected = "; Ondulix memory image of wave.csv\n"
                                 "; 1024 words of 16 bits, two's complement\n"
                                 "memory_initialization_radix=16;\n"
                                 "memory_initialization_vector=\n"
        + vector;
    EXPECT_EQ(memoryImageText(
                  smallTable(), {16, WordEncoding::TwosComplement, MemoryFormat::Coe, "wave.csv"}),
        expected);
}

TEST(MemoryImage, ControlCharactersInTheSourceNameStayInsideTheComment)
{
    const std::string text = memoryImageText(PatternTable {},
        {8, WordEncoding::TwosComplement, MemoryFormat::Readmemh, "evil\n@000\nFF\r.csv"});
    EXPECT_EQ(
        text.substr(0, text.find('\n') + 1), "// Ondulix memory image of evil?@000?FF?.csv\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 32 + 1024);
}

TEST(MemoryImage, WordsRunLineByLineAtLineTimesThirtyTwoPlusSample)
{
    PatternTable table;
    table.setCell(32, 33, "0.5"); // last sample of the last line
    table.setCell(5, 9, "-0.5"); // line 5, sample 7
    table.setCell(7, 2, "abc");
    const std::vector<std::int64_t> words = memoryWords(table, 16);
    ASSERT_EQ(words.size(), 1024u);
    EXPECT_EQ(words[1023], 32767);
    EXPECT_EQ(words[4 * 32 + 7], -32767);
    EXPECT_EQ(std::count(words.begin(), words.end(), 0), 1022);
}

} // namespace
