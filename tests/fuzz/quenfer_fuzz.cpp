// quenfer's whole road, from its arguments and a CSV file on disk to the memory image on disk.
// The input starts with three bytes of options (width, encoding and format, the length of a
// name), then the file's name, then its bytes.
//
// Promised: quenfer compiles exactly the files that the editor's Open CSV accepts. A compiled
// image has exactly its format's lines, every word fits the width, the full scale fills the
// word symmetrically and larger values never give smaller words. A refused file leaves the old
// image byte-identical, names the input file, and leaves nothing else in the folder.
#include "fuzz/fuzz_check.h"

#include "files/csv_reader.h"
#include "files/memory_image.h"
#include "quenfer/quenfer.h"
#include "wave/number_text.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace ondulix;
namespace fs = std::filesystem;

namespace {

const char* const kFormats[] = {"readmemh", "readmemb", "mif", "coe"};
constexpr char kOldImage[] = "the image of an earlier run\n";

struct Run
{
    int bits = 16;
    bool offsetBinary = false;
    int format = 0; // index into kFormats
    std::string name;
    std::string_view csv;
};

Run runFrom(std::string_view data)
{
    Run run;
    if (data.size() < 3)
        return run;
    run.bits = kMinWordBits + static_cast<unsigned char>(data[0]) % (kMaxWordBits - 1);
    run.offsetBinary = data[1] & 1;
    run.format = (data[1] >> 1) & 3;
    const std::size_t nameLength = std::min<std::size_t>(data[2] & 15, data.size() - 3);
    run.name = std::string(data.substr(3, nameLength));
    // A name may hold any byte a file name can: every one but "/" and NUL.
    std::replace(run.name.begin(), run.name.end(), '/', '_');
    std::replace(run.name.begin(), run.name.end(), '\0', '_');
    run.csv = data.substr(3 + nameLength);
    return run;
}

const fs::path& workFolder()
{
    static const fs::path folder = [] {
        const fs::path shm = "/dev/shm";
        fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        fs::path made = base / ("quenfer_fuzz_" + std::to_string(::getpid()));
        fs::create_directories(made);
        return made;
    }();
    return folder;
}

void writeFile(const fs::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The data lines of each format, in address order, with the word's digits only.
std::vector<std::string> wordTexts(const std::vector<std::string>& lines, int format)
{
    std::vector<std::string> words;
    for (const std::string& line : lines) {
        if (format <= 1 && !line.empty() && line[0] != '/' && line[0] != '@')
            words.push_back(line);
        if (format == 2 && line.rfind('\t', 0) == 0)
            words.push_back(line.substr(line.find(':') + 2, line.size() - line.find(':') - 3));
        if (format == 3 && !line.empty() && line[0] != ';' && line.find('=') == line.npos)
            words.push_back(line.substr(0, line.size() - 1));
    }
    return words;
}

std::int64_t signedWord(std::uint64_t bitsValue, const Run& run)
{
    const std::int64_t half = std::int64_t {1} << (run.bits - 1);
    const auto value = static_cast<std::int64_t>(bitsValue);
    if (run.offsetBinary)
        return value - half;
    return value >= half ? value - 2 * half : value;
}

void checkImage(const std::string& image, const PatternTable& table, const Run& run)
{
    // Two comment lines, then per format: an address before each of the 32 lines, or the
    // MIF header and footer, or the COE header.
    static constexpr std::size_t kExtraLines[] = {2 + 32, 2 + 32, 2 + 5 + 1, 2 + 2};
    FUZZ_CHECK(!image.empty() && image.back() == '\n');
    const std::vector<std::string> lines = linesOf(image);
    FUZZ_CHECK(lines.size() == kMemoryDepth + kExtraLines[run.format]);

    const std::vector<std::string> words = wordTexts(lines, run.format);
    FUZZ_CHECK(words.size() == kMemoryDepth);
    const bool binary = run.format == 1;
    const std::size_t width = binary ? run.bits : (run.bits + 3) / 4;
    const std::int64_t largest = (std::int64_t {1} << (run.bits - 1)) - 1;
    std::vector<double> values;
    std::vector<std::int64_t> signedWords;
    for (int line = 1; line <= kPatternLineCount; ++line)
        for (int row = kFirstSampleRow; row < kFirstSampleRow + 32; ++row)
            values.push_back(readNumber(table.cell(line, row)));
    for (const std::string& word : words) {
        FUZZ_CHECK(word.size() == width);
        FUZZ_CHECK(word.find_first_not_of(binary ? "01" : "0123456789ABCDEF") == word.npos);
        const std::uint64_t bitsValue = std::stoull(word, nullptr, binary ? 2 : 16);
        FUZZ_CHECK(bitsValue >> run.bits == 0);
        signedWords.push_back(signedWord(bitsValue, run));
        FUZZ_CHECK(signedWords.back() >= -largest && signedWords.back() <= largest);
    }
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    for (std::size_t i = 0; i < order.size(); ++i) {
        const double value = values[order[i]];
        const std::int64_t word = signedWords[order[i]];
        if (i > 0 && values[order[i - 1]] < value)
            FUZZ_CHECK(signedWords[order[i - 1]] <= word);
        if (value >= 0.5)
            FUZZ_CHECK(word == largest);
        if (value <= -0.5)
            FUZZ_CHECK(word == -largest);
        if (value == 0)
            FUZZ_CHECK(word == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Run run = runFrom(std::string_view(reinterpret_cast<const char*>(data), size));
    const fs::path folder = workFolder();
    for (const auto& entry : fs::directory_iterator(folder))
        fs::remove(entry.path());
    const fs::path input = folder / (run.name + ".csv");
    const fs::path output = folder / "out.mem";
    writeFile(input, run.csv);
    writeFile(output, kOldImage);

    std::vector<std::string> arguments {
        "--bits", std::to_string(run.bits), "--format", kFormats[run.format]};
    if (run.offsetBinary)
        arguments.push_back("--unsigned");
    arguments.insert(arguments.end(), {input.string(), output.string()});
    std::ostringstream out;
    std::ostringstream err;
    const int status = runQuenfer(arguments, out, err);

    const CsvReadResult editorReading = readCsv(run.csv, PatternTable {});
    FUZZ_CHECK(out.str().empty());
    FUZZ_CHECK(std::distance(fs::directory_iterator(folder), fs::directory_iterator()) == 2);
    if (const auto* table = std::get_if<PatternTable>(&editorReading)) {
        FUZZ_CHECK(status == kQuenferSuccess);
        FUZZ_CHECK(err.str().empty());
        checkImage(readFile(output), *table, run);
    } else {
        FUZZ_CHECK(status == kQuenferRefused);
        FUZZ_CHECK(readFile(output) == kOldImage);
        FUZZ_CHECK(err.str().rfind("quenfer: " + input.string(), 0) == 0);
        FUZZ_CHECK(err.str().find(std::get<CsvError>(editorReading).reason) != std::string::npos);
    }
    return 0;
}
