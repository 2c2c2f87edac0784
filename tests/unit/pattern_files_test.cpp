#include "array_sample_set.h"
#include "files/c_array_name.h"
#include "files/csv_guesses.h"
#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "files/memory_image.h"
#include "files/recovery_file.h"
#include "files/settings_file.h"
#include "files/sndfile_library.h"
#include "files/word_array.h"
#include "pattern/clipboard_text.h"
#include "pattern/line_waves.h"
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

std::string repeated(const std::string& text, int n)
{
    return n > 0 ? text + repeated(text, n - 1) : "";
}

std::string read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder of its own for each test that touches files.
class FilesTest : public ::testing::Test
{
protected:
    void TearDown() override { fs::remove_all(folder); }
    std::string pattern = (fs::temp_directory_path() / "ondulix-XXXXXX").string();
    const fs::path folder = ::mkdtemp(pattern.data());
};

TEST(PatternTable, CellsExistOnlyInsideTheTable)
{
    PatternTable table;
    EXPECT_NO_THROW(table.setCell(0, 0, "x"));
    EXPECT_NO_THROW(table.setCell(32, 33, "x"));
    for (const auto& [column, row] : {std::pair {-1, 1}, {33, 1}, {1, -1}, {1, 34}})
        EXPECT_THROW(table.cell(column, row), std::out_of_range) << column << "," << row;
}

// Generate to Memory keeps row 1; paging writes only the samples that change, and limits any
// cell text to the sample range, halves going to the even neighbour.
TEST(PatternLines, StoreAndPageBackWithinTheSampleRange)
{
    ArraySampleSet samples({500, -250});
    samples.values[31] = 1;
    PatternTable table;
    table.setCell(7, 1, "first field");
    storeLine(samples, 7, table);
    EXPECT_EQ(table.cell(7, 1) + table.cell(7, 2) + table.cell(7, 3), "first field0.5-0.25");
    EXPECT_EQ(table.cell(7, 33), "0.001");
    ArraySampleSet paged;
    loadLine(table, 7, paged);
    EXPECT_EQ(paged.changes, (std::vector<int> {0, 1, 31}));
    EXPECT_EQ(paged.values, samples.values);
    const std::pair<const char*, int> cells[]
        = {{" .0005", 0}, {"0.0015", 2}, {"1e400", 500}, {"-7", -500}, {"abc", 0}};
    for (const auto& [text, value] : cells)
        EXPECT_EQ(pagedSample(text), value) << text;
    EXPECT_EQ(clipboardText(samples), "ABC\t .5\t-.25" + repeated("\t 0", 29) + "\t .001");
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

// Where the editor's rules guess (a spreadsheet's decimal comma, semicolons, Windows-1252 text,
// whole numbers), a line names the field; blanks are no guess, and Save CSV's files give none.
TEST(CsvFiles, NamesEveryFieldTheRulesHadToGuess)
{
    const auto guessesIn = [](const std::string& text) {
        return guessLines(csvGuesses(std::get<PatternTable>(readCsv(text, PatternTable {}))));
    };
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"1,0,5\r\n", {"line 1, field 3: \"5\" is beyond full scale (0.5); read as 0.5"}},
        {"1;.5;.25\r\n",
            {"line 1, field 1: \"1;.5;.25\" is not a line number as a whole; ignored, as line "
             "numbers are"}},
        {"\r\n2, \x96.5,-97\r\n",
            {"line 2, field 2: \" \x96.5\" is not a number as a whole; read as 0",
                "line 2, field 3: \"-97\" is beyond full scale (-0.5); read as -0.5"}},
        {" 1, .5,, 0 \r\n", {}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(guessesIn(text), lines) << text;
    const Lines many = guessesIn("1" + repeated(",x", 12));
    ASSERT_EQ(many.size(), 11u);
    EXPECT_EQ(many.back(), "and 2 more fields read the same way");
    PatternTable every; // every sample value, -500 to 500
    for (int line = 1; line <= 32; ++line) {
        Wave wave {};
        for (int i = 0; i < 32; ++i)
            wave[i] = (line * 32 + i) % 1001 - 500;
        storeWave(wave, line, every);
    }
    EXPECT_EQ(csvGuesses(std::get<PatternTable>(readCsv(csvText(every), {}))).count, 0);
}

// Kept work reads back whole; a file cut short, edited or of another version is refused at the
// line at fault.
TEST(RecoveryFile, ReadsBackWhatItKeptAndRefusesAnyOtherFile)
{
    KeptWork work;
    PatternTable table;
    storeWave(Wave {500, -1}, 32, table);
    work.table = std::get<PatternTable>(readCsv(csvText(table), {}));
    work.line = 32;
    work.sliders = {-500, 0, 499};
    work.csvFileName = "/home/me/a b.csv";
    work.written = "2026-12-07 23:59:59";
    const std::string text = keptWorkText(work);
    EXPECT_EQ(readKeptWork(text), ReadResult<KeptWork>(work));
    const auto cut = [&text](int lines) {
        std::size_t at = 0;
        for (int k = 0; k < lines; ++k)
            at = text.find('\n', at) + 1;
        return text.substr(0, at);
    };
    const std::pair<std::string, std::int64_t> refused[]
        = {{"", 1}, {"Ondulix recovery 2\r\n" + text.substr(20), 1}, {cut(2) + "line 33\r\n", 3},
            {cut(3) + "sliders 0\r\n" + text.substr(cut(4).size()), 4}, {cut(15), 16},
            {cut(37), 38}, {text + "more\r\n", 38}};
    for (const auto& [bytes, line] : refused) {
        const auto read = readKeptWork(bytes);
        EXPECT_EQ(refusalIn(read) ? refusalIn(read)->line : 0, line) << bytes;
    }
}

// Fields are stored as text; what a file does not reach stays; a broken file is refused whole.
TEST(CsvFiles, ReadsAllOrNothingNamingTheLineAtFault)
{
    PatternTable old;
    old.setCell(2, 3, "kept");
    const CsvReadResult read = readCsv("1, .5,x\r\n2\r\n\n\n", old);
    ASSERT_TRUE(std::holds_alternative<PatternTable>(read));
    const PatternTable& table = std::get<PatternTable>(read);
    EXPECT_EQ(table.cell(1, 1) + "|" + table.cell(1, 2) + "|" + table.cell(1, 3), "1| .5|x");
    EXPECT_EQ(table.cell(2, 1) + "|" + table.cell(2, 3) + "|" + table.cell(3, 1), "2|kept|");
    const std::pair<std::string, std::int64_t> broken[]
        = {{repeated("1\r\n", 32) + "x\r\n", 33}, {"1" + repeated(",0", 33) + "\r\n", 1},
            {std::string("1\r\n2,\0\r\n", 7), 2}, {"1\r2\r\n", 1}};
    for (const auto& [bytes, line] : broken) {
        const CsvReadResult refused = readCsv(bytes, PatternTable {});
        ASSERT_TRUE(refusalIn(refused)) << bytes;
        EXPECT_EQ(refusalIn(refused)->line, line) << bytes;
    }
}

// The compiler path is the last line of Ondulix.ini, line ending cut off; a file that holds a
// NUL or is over 64 KiB names none, and a missing one is created empty. Loading changes nothing.
// A CSV file over 1 MiB is refused as a whole, without a line.
TEST_F(FilesTest, SettingsFileAndTheCsvSizeLimit)
{
    std::ofstream(folder / "big.csv") << std::string(kCsvFileSizeLimit + 1, '\n');
    const CsvReadResult big = readCsvFile(folder / "big.csv", PatternTable {});
    EXPECT_EQ(std::get<Refusal>(big).line, 0);
    const fs::path ini = settingsFilePath(folder);
    EXPECT_EQ(loadSettings(ini), std::nullopt);
    EXPECT_EQ(read(folder / "Ondulix.ini"), "");
    const std::string padding = std::string(64 * 1024 - 7, 'x') + "\n";
    const std::pair<std::string, std::optional<std::string>> cases[]
        = {{settingsText("/opt/q c"), "/opt/q c"}, {"old\r\n/bin/q\r\r\n", "/bin/q"}, {"a\n\n", ""},
            {std::string("/q\0x", 4), std::nullopt}, {padding + "/bin/q", "/bin/q"},
            {padding + "/bin/qq", std::nullopt}};
    for (const auto& [text, path] : cases) {
        std::ofstream(ini, std::ios::binary) << text;
        EXPECT_EQ(loadSettings(ini), path) << text.substr(0, 20);
        EXPECT_EQ(read(ini), text);
    }
}

// Words at address (line - 1) x 32 + sample; full scale fills the word, rounded half to even.
TEST(MemoryImage, EachFormatWritesAllWordsInItsWidthAndEncoding)
{
    PatternTable table;
    table.setCell(1, 2, " .5");
    table.setCell(1, 3, "-.5");
    table.setCell(1, 4, " .001");
    table.setCell(2, 2, " .25");
    using F = MemoryFormat;
    const auto twos = WordEncoding::TwosComplement, offset = WordEncoding::OffsetBinary;
    const std::tuple<int, WordEncoding, F, std::string, long> cases[] = {
        {8, twos, F::Readmemh, "8 bits, two's complement\n@000\n7F\n81\n00\n00\n", 1058},
        {16, offset, F::Readmemh, "16 bits, offset binary\n@000\nFFFF\n0001\n8042\n8000\n", 1058},
        {10, twos, F::Readmemb, "@000\n0111111111\n1000000001\n0000000001\n", 1058},
        {10, offset, F::Mif, "\t000 : 3FF;\n\t001 : 001;\n\t002 : 201;\n\t003 : 200;\n", 1032},
        {32, twos, F::Coe, "7FFFFFFF,\n80000001,\n00418937,\n00000000,\n", 1028},
        {10, twos, F::Readmemh, "@020\n100\n000\n", 1058},
        {8, twos, F::Mif, "\t020 : 40;\n\t021 : 00;\n", 1032},
        {8, twos, F::Coe, "00,\n00;\n", 1028}};
    for (const auto& [bits, encoding, format, words, lines] : cases) {
        const std::string text = memoryImageText(table, {bits, encoding}, format, "w.csv");
        EXPECT_NE(text.find(words), std::string::npos) << words;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << words;
    }
    for (const int bits : {-1, 0, 1, 33, 64}) {
        EXPECT_THROW(memoryWords(table, bits), std::invalid_argument) << bits;
        EXPECT_THROW(encodedWords(table, {bits, offset}), std::invalid_argument) << bits;
    }
}

// Chip levels by the trackers' rule: -.5 is 0, .5 the top, 0 the upper middle; packed, the
// first of two samples is the high nibble.
TEST(MemoryImage, ChipLevelsAndTheirPackingInEveryFormat)
{
    PatternTable table;
    table.setCell(1, 2, " .5");
    table.setCell(1, 3, "-.5");
    table.setCell(1, 4, " .001");
    table.setCell(2, 2, " .25");
    const WordFormat levels8 {8, WordEncoding::Levels}, levels4 {4, WordEncoding::Levels};
    const WordFormat packed {4, WordEncoding::Levels, true};
    const std::tuple<std::string, std::string, long> cases[]
        = {{memoryImageText(table, levels8, MemoryFormat::Readmemh, "w"), "@000\nFF\n00\n80\n80\n",
               1058},
            {memoryImageText(table, levels4, MemoryFormat::Coe, "w"), "F,\n0,\n8,\n8,\n", 1028},
            {memoryImageText(table, packed, MemoryFormat::Readmemb, "w"), "@010\n10111000\n", 546},
            {memoryImageText(table, packed, MemoryFormat::Mif, "w"), "WIDTH=8;\nDEPTH=512;", 520},
            {cHeaderText(table, packed, "t", "w"),
                "uint8_t t[32][16] = {\n    { /* line 1 */\n"
                "        240u, 136u, 136u,",
                139},
            {intelHexText(table, packed), ":10000000F0888888", 33}};
    for (const auto& [text, words, lines] : cases) {
        EXPECT_NE(text.find(words), std::string::npos) << words << " in\n" << text.substr(0, 300);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << words;
    }
}

// A compile reads as bits, format, encoding and the two files: "16 0 0 ab".
TEST(QuenferOptions, ReadsOptionsInEitherSpellingAndRefusesBadUse)
{
    const std::pair<std::vector<std::string>, std::string> cases[]
        = {{{"a", "b"}, "16 0 0 ab"}, {{"--bits", "8", "a", "b"}, "8 0 0 ab"},
            {{"a", "--bits=32", "b"}, "32 0 0 ab"}, {{"--format", "mif", "a", "b"}, "16 2 0 ab"},
            {{"--format=coe", "--", "a", "b"}, "16 3 0 ab"},
            {{"--unsigned", "a", "b"}, "16 0 1 ab"}, {{"a", "-h"}, "help"}, {{"a"}, "refused"},
            {{"a", "b", "c"}, "refused"}, {{"--bits", "1", "a", "b"}, "refused"},
            {{"--bits=2", "a", "b"}, "2 0 0 ab"}, {{"--bits=33", "a", "b"}, "refused"},
            {{"--format=hex", "a", "b"}, "refused"}, {{"a", "b", "--bits"}, "refused"},
            {{"--depth=mif", "a", "b"}, "refused"}, {{"--unsigned=1", "a", "b"}, "refused"},
            {{"--version", "--bits=1"}, "version"}, {{"--name", "size_t", "a", "b"}, "refused"},
            {{"--format=wt", "a", "b"}, "16 7 0 ab"}, {{"a", "b", "--format=fuw"}, "4 8 0 ab"},
            {{"--bits=1", "--format=dmw", "a", "b"}, "1 9 0 ab"},
            {{"--format=dmw", "--bits=9", "a", "b"}, "refused"},
            {{"--frames=0", "a", "b"}, "refused"}, {{"--frames", "33", "a", "b"}, "refused"},
            {{"--line=0", "a", "b"}, "refused"}, {{"--line", "33", "a", "b"}, "refused"},
            {{"--levels", "--unsigned", "--bits=4", "--pack", "a", "b"}, "4 0 2 ab"},
            {{"--pack", "a", "b"}, "refused"}, {{"--bits=4", "--pack", "a", "b"}, "refused"},
            {{"--bits=5", "--levels", "--pack", "a", "b"}, "refused"}};
    for (const auto& [arguments, expected] : cases) {
        const QuenferCommandLine line = parseQuenferArguments(arguments);
        const char* const actions[] = {"", "help", "version", "refused"};
        const std::string seen = line.action != QuenferAction::Compile
            ? actions[int(line.action)]
            : std::to_string(line.words.bits) + " " + std::to_string(int(line.format)) + " "
                + std::to_string(int(line.words.encoding)) + " " + line.input + line.output;
        EXPECT_EQ(seen, expected) << arguments.front() << " " << line.problem;
    }
}

// The C header's array name must leave the header compiling wherever it is included: no keyword
// of C99 or C++11, nothing C or <stdint.h> reserves. The guard is the program's own.
TEST(WordArray, ArrayNamesThatCAndStdintLeaveFreeAndTheProgramsOwnGuard)
{
    for (const char* name : {"ondulix_table", "a0", "Z", "zA9_", "INT8", "UINT8_MAXIMUM", "tab_t1"})
        EXPECT_EQ(arrayNameFault(name), std::nullopt) << name;
    for (const char* name : {"", "1a", "a-b", "a b", "a.b", "tab\xC3\xA9", "int", "class", "_Bool",
             "xor", "_x", "uintptr_t", "size_t", "INT8_MAX", "UINT_LEAST16_MIN", "INTMAX_C",
             "SIZE_MAX", "WINT_MIN", "main"})
        EXPECT_NE(arrayNameFault(name), std::nullopt) << name;
    const std::string header = cHeaderText(PatternTable {}, {}, "config", "t.csv");
    EXPECT_NE(
        header.find("#ifndef ONDULIX_CONFIG_H\n#define ONDULIX_CONFIG_H\n"), std::string::npos);
    EXPECT_NE(header.find("#endif /* ONDULIX_CONFIG_H */\n"), std::string::npos);
}

// libsndfile is loaded when a WAV is first written. A library that is missing, or lacks a
// function the program calls, is refused whole and named; the real one gives every function.
TEST(SndfileLibrary, LoadsOnlyALibraryWithEveryFunction)
{
    const SndfileLibrary missing = loadSndfile("libondulix-missing.so.1");
    EXPECT_NE(missing.failure.find("libondulix-missing.so.1"), std::string::npos);
    const SndfileLibrary other = loadSndfile("libm.so.6");
    EXPECT_NE(other.failure.find("sf_open_virtual"), std::string::npos) << other.failure;
    ASSERT_EQ(sndfileLibrary().failure, "");
    EXPECT_STREQ(sndfileLibrary().functions.sf_strerror(nullptr), "No Error.");
}

} // namespace
