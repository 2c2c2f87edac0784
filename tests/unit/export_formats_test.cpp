#include "files/wavetable_file.h"
#include "files/word_array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

using namespace ondulix;
using namespace std::string_literals;

namespace {

constexpr int kFirstSample = 2; // row of sample 1 in a table line

PatternTable tableWith(int line, int sample, const std::string& cell)
{
    PatternTable table;
    table.setCell(line, kFirstSample + sample - 1, cell);
    return table;
}

std::uint32_t littleEndian32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return value;
}

float floatAt(const std::string& bytes, std::size_t at)
{
    const std::uint32_t pattern = littleEndian32(bytes, at);
    float value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    return value;
}

TEST(WordArray, TheElementIsTheSmallestExactWidthThatHoldsTheWord)
{
    const struct
    {
        int bits;
        int bytes;
    } cases[] = {{2, 1}, {8, 1}, {9, 2}, {16, 2}, {17, 4}, {24, 4}, {32, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(arrayElementBytes(c.bits), c.bytes) << c.bits << " bits";
}

TEST(WordArray, ArrayNamesAreCIdentifiersThatNoKeywordOrTypeTakes)
{
    for (const char* name : {"ondulix_table", "_x", "a1", "Z", "wave_9_"})
        EXPECT_TRUE(isArrayName(name)) << name;
    for (const char* name :
        {"", "1a", "a-b", "a b", "a.b", "tab\xC3\xA9", "int", "class", "_Bool", "uint16_t", "xor"})
        EXPECT_FALSE(isArrayName(name)) << name;
}

TEST(WordArray, EachWordTakesItsTypesBytesLittleEndianAtItsAddress)
{
    const struct
    {
        int bits;
        WordEncoding encoding;
        const char* cell;
        std::string bytes;
    } cases[] = {
        {8, WordEncoding::TwosComplement, "-.5", "\x81"s},
        {5, WordEncoding::OffsetBinary, ".5", "\x1F"s},
        {12, WordEncoding::TwosComplement, ".5", "\xFF\x07"s},
        {12, WordEncoding::TwosComplement, "-.5", "\x01\xF8"s}, // sign-extended to 16 bits
        {12, WordEncoding::OffsetBinary, "-.5", "\x01\x00"s},
        {12, WordEncoding::OffsetBinary, ".5", "\xFF\x0F"s},
        {24, WordEncoding::TwosComplement, "-0.0000000596", "\xFF\xFF\xFF\xFF"s}, // -1
        {24, WordEncoding::OffsetBinary, "0", "\x00\x00\x80\x00"s},
        {32, WordEncoding::TwosComplement, "-.5", "\x01\x00\x00\x80"s},
        {32, WordEncoding::OffsetBinary, ".5", "\xFF\xFF\xFF\xFF"s},
    };
    for (const auto& c : cases) {
        MemoryImageOptions options;
        options.bits = c.bits;
        options.encoding = c.encoding;
        const std::string bytes = arrayBytes(tableWith(2, 3, c.cell), options);
        const std::size_t size = c.bytes.size();
        ASSERT_EQ(bytes.size(), 1024 * size) << c.bits << " bits";
        EXPECT_EQ(bytes.substr((32 + 2) * size, size), c.bytes) << c.cell << " at " << c.bits;
    }
}

TEST(WordArray, NoSourceNameCanEndTheHeadersCommentOrLine)
{
    MemoryImageOptions options;
    options.format = MemoryFormat::CHeader;
    options.sourceName = "a*/b/*c\nint d;\r.csv";
    const std::string header = memoryImageText(PatternTable {}, options);
    // The head comment, one per line of the table and the one after #endif: nothing more.
    std::size_t closings = 0;
    for (std::size_t at = header.find("*/"); at != std::string::npos;
         at = header.find("*/", at + 1))
        ++closings;
    EXPECT_EQ(closings, 1u + 32u + 1u);
    EXPECT_EQ(header.find("/*", 1), header.find("/* line 1 */"));
    EXPECT_EQ(header.find("\nint d;"), std::string::npos);
    EXPECT_EQ(header.find('\r'), std::string::npos);
}

TEST(WordArray, IntelHexHasSixteenByteRecordsWithChecksumsThenTheEnd)
{
    PatternTable table;
    const char* cells[] = {".5", "-.25", "0", ".001", "-.5"};
    for (int i = 0; i < 5; ++i)
        table.setCell(1, kFirstSample + i, cells[i]);
    const struct
    {
        int bits;
        std::string firstRecord;
        std::string lastDataRecord;
    } cases[] = {
        {8, ":100000007FC0000081000000000000000000000030",
            ":1003F00000000000000000000000000000000000FD"},
        {12, ":10000000FF0700FC0000040001F8000000000000F1",
            ":1007F00000000000000000000000000000000000F9"},
        {32, ":10000000FFFFFF7F000000C00000000037894100B3",
            ":100FF00000000000000000000000000000000000F1"},
    };
    for (const auto& c : cases) {
        MemoryImageOptions options;
        options.bits = c.bits;
        const std::string hex = intelHexText(table, options);
        EXPECT_EQ(hex.substr(0, hex.find('\n')), c.firstRecord) << c.bits << " bits";
        const std::string ending = "\n" + c.lastDataRecord + "\n:00000001FF\n";
        EXPECT_EQ(hex.substr(hex.size() - std::min(hex.size(), ending.size())), ending) << c.bits;
    }
}

TEST(Wavetable, EachSampleIsTheValueItPagesInAsOverFiveHundredInLineOrder)
{
    const struct
    {
        const char* cell;
        float sample;
    } cases[] = {
        {".5", 1.0f},
        {"-.5", -1.0f},
        {".25", 0.5f},
        {".001", 0.002f},
        {"", 0.0f},
        {"9", 1.0f}, // limited to full scale
        {"-.0025", -0.004f}, // -2.5 rounds half to even
        {"0.0004", 0.0f},
    };
    for (const auto& c : cases) {
        const std::vector<float> samples = wavetableSamples(tableWith(2, 5, c.cell));
        ASSERT_EQ(samples.size(), 1024u);
        EXPECT_EQ(samples[32 + 4], c.sample) << c.cell;
    }
}

TEST(Wavetable, SurgeFileIsItsHeaderThenTheSamplesAsLittleEndianFloats)
{
    PatternTable table = tableWith(1, 1, ".5");
    table.setCell(32, kFirstSample + 31, "-.25");
    const std::string bytes = surgeWavetableBytes(table);
    ASSERT_EQ(bytes.size(), 12u + 1024u * 4u);
    EXPECT_EQ(bytes.substr(0, 12), "vawt\x20\0\0\0\x20\0\0\0"s);
    EXPECT_EQ(bytes.substr(12, 4), "\0\0\x80\x3F"s); // 1.0f
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\0\0\0\xBF"s); // -0.5f
}

// The chunks of a RIFF file by their ids, in file order.
std::vector<std::pair<std::string, std::string>> riffChunks(const std::string& file)
{
    std::vector<std::pair<std::string, std::string>> chunks;
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::uint32_t size = littleEndian32(file, at + 4);
        chunks.emplace_back(file.substr(at, 4), file.substr(at + 8, size));
        at += 8 + size + size % 2;
    }
    return chunks;
}

TEST(Wavetable, WavIsMonoFloatAt48kHzWithItsClmChunkAndFramesOfHeldSamples)
{
    PatternTable table = tableWith(1, 2, ".25");
    table.setCell(32, kFirstSample + 31, "-.5");
    const WavetableBytes wav = wavWavetableBytes(table);
    ASSERT_FALSE(wav.failure) << *wav.failure;
    ASSERT_EQ(wav.bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(littleEndian32(wav.bytes, 4), wav.bytes.size() - 8);
    EXPECT_EQ(wav.bytes.substr(8, 4), "WAVE");

    std::map<std::string, std::string> chunk;
    std::vector<std::string> order;
    for (const auto& [id, body] : riffChunks(wav.bytes)) {
        order.push_back(id);
        chunk[id] = body;
    }
    const std::string& clm = chunk["clm "];
    const std::string& data = chunk["data"];
    // Format 3 (IEEE float), 1 channel, 48000 Hz, 192000 bytes a second, 4 bytes a frame, 32 bits.
    EXPECT_EQ(chunk["fmt "], "\x03\0\x01\0\x80\xBB\0\0\0\xEE\x02\0\x04\0\x20\0"s);
    EXPECT_EQ(clm.rfind("<!>2048 00000000", 0), 0u);
    EXPECT_LT(std::find(order.begin(), order.end(), "clm "),
        std::find(order.begin(), order.end(), "data"));
    ASSERT_EQ(data.size(), 32u * 2048u * 4u);
    const struct
    {
        std::size_t frame;
        float value;
    } held[] = {{0, 0.0f}, {63, 0.0f}, {64, 0.5f}, {127, 0.5f}, {128, 0.0f}, {32 * 2048 - 65, 0.0f},
        {32 * 2048 - 64, -1.0f}, {32 * 2048 - 1, -1.0f}};
    for (const auto& h : held)
        EXPECT_EQ(floatAt(data, h.frame * 4), h.value) << "sample " << h.frame;
}

} // namespace
