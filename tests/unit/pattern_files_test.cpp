#include "array_sample_set.h"
#include "files/atomic_file.h"
#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "files/memory_image.h"
#include "files/settings_file.h"
#include "pattern/clipboard_text.h"
#include "pattern/pattern_line.h"
#include "quenfer/quenfer_options.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;
namespace fs = std::filesystem;

namespace {

std::string repeated(const std::string& text, int count)
{
    std::string all;
    while (count-- > 0)
        all += text;
    return all;
}

// A fresh folder of its own for each test that touches files.
class FilesTest : public ::testing::Test
{
protected:
    void TearDown() override { fs::remove_all(folder); }
    std::string read(const fs::path& file) const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "ondulix-XXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()));
    }();
};

TEST(PatternTable, CellsExistOnlyInsideTheTable)
{
    PatternTable table;
    for (const auto& [column, row] : {std::pair {0, 0}, {32, 33}})
        EXPECT_NO_THROW(table.setCell(column, row, "x")) << column << "," << row;
    for (const auto& [column, row] : {std::pair {-1, 1}, {33, 1}, {1, -1}, {1, 34}})
        EXPECT_THROW(table.cell(column, row), std::out_of_range) << column << "," << row;
}

TEST(PatternLines, StoreAndPageBackWithinTheSampleRange)
{
    ArraySampleSet samples;
    samples.values[0] = 500;
    samples.values[1] = -250;
    samples.values[31] = 1;
    PatternTable table;
    table.setCell(7, 1, "first field");
    storeLine(samples, 7, table);
    EXPECT_EQ(table.cell(7, 1), "first field");
    EXPECT_EQ(table.cell(7, 2), "0.5");
    EXPECT_EQ(table.cell(7, 3), "-0.25");
    EXPECT_EQ(table.cell(7, 33), "0.001");
    EXPECT_EQ(table.cell(6, 2), "");
    ArraySampleSet paged;
    loadLine(table, 7, paged);
    EXPECT_EQ(paged.values, samples.values);
    EXPECT_EQ(paged.changes, (std::vector<int> {0, 1, 31})); // only changed samples are written
    const std::pair<const char*, int> cells[]
        = {{" .0005", 0}, {"0.0015", 2}, {"1e400", 500}, {"-7", -500}, {"abc", 0}, {"&H1", 500}};
    for (const auto& [text, value] : cells)
        EXPECT_EQ(pagedSample(text), value) << text;
}

TEST(PatternLines, ClipboardTextIsOneTabSeparatedRow)
{
    ArraySampleSet samples;
    samples.values[0] = 500;
    samples.values[1] = -250;
    EXPECT_EQ(clipboardText(samples), "ABC\t .5\t-.25" + repeated("\t 0", 30));
}

TEST(CsvFiles, WritesEveryLineNumberedWithCrLf)
{
    PatternTable table;
    table.setCell(1, 1, "9");
    table.setCell(1, 2, "0.5");
    table.setCell(1, 3, "-0.25");
    table.setCell(2, 33, "junk");
    std::string expected = " 1, .5,-.25" + repeated(", 0", 30) + "\r\n";
    for (int line = 2; line <= 32; ++line)
        expected += " " + std::to_string(line) + repeated(", 0", 32) + "\r\n";
    EXPECT_EQ(csvText(table), expected);
}

TEST(CsvFiles, ReadsFieldsAsTextAndLeavesTheRestOfTheTable)
{
    PatternTable old;
    old.setCell(2, 3, "kept");
    old.setCell(3, 2, "kept too");
    const CsvReadResult read = readCsv("1, .5,x\r\n2\r\n\n\n", old);
    ASSERT_TRUE(std::holds_alternative<PatternTable>(read));
    const PatternTable& table = std::get<PatternTable>(read);
    EXPECT_EQ(table.cell(1, 1), "1");
    EXPECT_EQ(table.cell(1, 2), " .5");
    EXPECT_EQ(table.cell(1, 3), "x");
    EXPECT_EQ(table.cell(2, 1), "2");
    EXPECT_EQ(table.cell(2, 3), "kept");
    EXPECT_EQ(table.cell(3, 1), "");
    EXPECT_EQ(table.cell(3, 2), "kept too");
}

TEST(CsvFiles, RefusesABrokenFileWholeNamingTheLine)
{
    const std::pair<std::string, std::int64_t> cases[]
        = {{repeated("1\r\n", 32) + "x\r\n", 33}, {"1" + repeated(",0", 33) + "\r\n", 1},
            {std::string("1\r\n2,\0\r\n", 7), 2}, {"1\r2\r\n", 1}};
    for (const auto& [bytes, line] : cases) {
        const CsvReadResult read = readCsv(bytes, PatternTable {});
        ASSERT_TRUE(std::holds_alternative<CsvError>(read)) << bytes;
        EXPECT_EQ(std::get<CsvError>(read).line, line) << bytes;
        EXPECT_FALSE(std::get<CsvError>(read).reason.empty());
    }
}

TEST_F(FilesTest, ReadsAFileFromDiskUpToOneMebibyte)
{
    writeFileAtomically((folder / "a.csv").string(), " 1, .5\r\n");
    const CsvReadResult read = readCsvFile(folder / "a.csv", PatternTable {});
    ASSERT_TRUE(std::holds_alternative<PatternTable>(read));
    EXPECT_EQ(std::get<PatternTable>(read).cell(1, 2), " .5");
    writeFileAtomically((folder / "big.csv").string(), std::string(kCsvFileSizeLimit + 1, '\n'));
    const CsvReadResult big = readCsvFile(folder / "big.csv", PatternTable {});
    ASSERT_TRUE(std::holds_alternative<CsvError>(big));
    EXPECT_EQ(std::get<CsvError>(big).line, 0);
}

// The compiler path is the last line of Ondulix.ini, line ending cut off; a file that holds a
// NUL or is over 64 KiB names none, and a missing one is created empty.
TEST_F(FilesTest, SettingsFileNamesTheCompilerOnItsLastLine)
{
    const fs::path ini = settingsFilePath(folder);
    EXPECT_EQ(ini, folder / "Ondulix.ini");
    EXPECT_EQ(loadSettings(ini), std::nullopt);
    EXPECT_TRUE(fs::exists(ini));
    const std::string padding = std::string(64 * 1024 - 7, 'x') + "\n";
    const std::pair<std::string, std::optional<std::string>> cases[]
        = {{settingsText("/opt/q c"), "/opt/q c"}, {"old\r\n/bin/q\r\r\n", "/bin/q"}, {"a\n\n", ""},
            {"", std::nullopt}, {std::string("/bin/q\0x", 8), std::nullopt},
            {padding + "/bin/q", "/bin/q"}, {padding + "/bin/qq", std::nullopt}};
    for (const auto& [text, path] : cases) {
        std::ofstream(ini, std::ios::binary) << text;
        EXPECT_EQ(loadSettings(ini), path) << text.substr(0, 20);
        EXPECT_EQ(read(ini), text);
    }
}

TEST_F(FilesTest, AtomicWriteReplacesWholeOrFailsLeavingTheOldFile)
{
    const fs::path file = folder / "f.txt";
    EXPECT_EQ(writeFileAtomically(file.string(), "old"), std::nullopt);
    const std::string big(1 << 20, 'b');
    EXPECT_EQ(writeFileAtomically(file.string(), big), std::nullopt);
    EXPECT_EQ(read(file), big);
    EXPECT_NE(writeFileAtomically((folder / "no/such.txt").string(), "x"), std::nullopt);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(MemoryImage, EachFormatWritesAllWordsAtTheirAddresses)
{
    PatternTable table;
    table.setCell(1, 2, " .5");
    table.setCell(1, 3, "-.5");
    table.setCell(1, 4, " .001");
    table.setCell(2, 2, "-0.5");
    const struct
    {
        MemoryImageOptions options;
        std::string start;
        const char* line2;
        long lines;
    } cases[] = {{{8, WordEncoding::TwosComplement, MemoryFormat::Readmemh, "w.csv"},
                     "// Ondulix memory image of w.csv\n// 1024 words of 8 bits, two's complement\n"
                     "@000\n7F\n81\n00\n00\n",
                     "\n@020\n81\n00\n", 2 + 32 + 1024},
        {{16, WordEncoding::OffsetBinary, MemoryFormat::Readmemh, "w.csv"},
            "// Ondulix memory image of w.csv\n// 1024 words of 16 bits, offset binary\n"
            "@000\nFFFF\n0001\n8042\n8000\n",
            "\n@020\n0001\n8000\n", 2 + 32 + 1024},
        {{10, WordEncoding::TwosComplement, MemoryFormat::Readmemb, "w.csv"},
            "// Ondulix memory image of w.csv\n// 1024 words of 10 bits, two's complement\n"
            "@000\n0111111111\n1000000001\n0000000001\n",
            "\n@020\n1000000001\n", 2 + 32 + 1024},
        {{10, WordEncoding::OffsetBinary, MemoryFormat::Mif, "w.csv"},
            "-- Ondulix memory image of w.csv\n-- 1024 words of 10 bits, offset binary\n"
            "WIDTH=10;\nDEPTH=1024;\nADDRESS_RADIX=HEX;\nDATA_RADIX=HEX;\nCONTENT BEGIN\n"
            "\t000 : 3FF;\n\t001 : 001;\n\t002 : 201;\n\t003 : 200;\n",
            "\t020 : 001;\n", 2 + 5 + 1024 + 1},
        {{32, WordEncoding::TwosComplement, MemoryFormat::Coe, "w.csv"},
            "; Ondulix memory image of w.csv\n; 1024 words of 32 bits, two's complement\n"
            "memory_initialization_radix=16;\nmemory_initialization_vector=\n"
            "7FFFFFFF,\n80000001,\n00418937,\n00000000,\n",
            "\n80000001,\n", 2 + 2 + 1024}};
    for (const auto& c : cases) {
        const std::string text = memoryImageText(table, c.options);
        EXPECT_EQ(text.substr(0, c.start.size()), c.start);
        EXPECT_NE(text.find(c.line2), std::string::npos) << c.line2;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.lines) << c.start;
    }
}

TEST(QuenferOptions, ReadsOptionsInEitherSpellingAndRefusesBadUse)
{
    using A = QuenferAction;
    const struct
    {
        std::vector<std::string> arguments;
        A action;
        int bits;
        MemoryFormat format;
    } cases[] = {{{"a", "b"}, A::Compile, 16, MemoryFormat::Readmemh},
        {{"--bits", "8", "a", "b"}, A::Compile, 8, MemoryFormat::Readmemh},
        {{"a", "--bits=32", "b"}, A::Compile, 32, MemoryFormat::Readmemh},
        {{"--format", "mif", "a", "b"}, A::Compile, 16, MemoryFormat::Mif},
        {{"--format=coe", "--", "a", "b"}, A::Compile, 16, MemoryFormat::Coe},
        {{"a", "-h"}, A::ShowHelp, 16, MemoryFormat::Readmemh},
        {{"--version", "x"}, A::ShowVersion, 16, MemoryFormat::Readmemh},
        {{"a"}, A::RefuseUsage, 16, MemoryFormat::Readmemh},
        {{"a", "b", "c"}, A::RefuseUsage, 16, MemoryFormat::Readmemh},
        {{"--bits", "1", "a", "b"}, A::RefuseUsage, 16, MemoryFormat::Readmemh},
        {{"--bits=33", "a", "b"}, A::RefuseUsage, 16, MemoryFormat::Readmemh},
        {{"--format=hex", "a", "b"}, A::RefuseUsage, 16, MemoryFormat::Readmemh},
        {{"a", "b", "--bits"}, A::RefuseUsage, 16, MemoryFormat::Readmemh},
        {{"--depth=mif", "a", "b"}, A::RefuseUsage, 16, MemoryFormat::Readmemh}};
    for (const auto& c : cases) {
        const QuenferCommandLine line = parseQuenferArguments(c.arguments);
        EXPECT_EQ(line.action, c.action) << c.arguments.front() << ": " << line.problem;
        if (c.action != A::Compile)
            continue;
        EXPECT_EQ(line.image.bits, c.bits);
        EXPECT_EQ(line.image.format, c.format);
        EXPECT_EQ(line.input + line.output, "ab");
    }
    EXPECT_EQ(
        parseQuenferArguments({"--unsigned", "a", "b"}).image.encoding, WordEncoding::OffsetBinary);
}

} // namespace
