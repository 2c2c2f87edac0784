#include "quenfer/quenfer_options.h"

#include "files/c_array_name.h"
#include "files/tracker_wave_file.h"
#include "pattern/pattern_table.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace ondulix {

namespace {

using Problem = std::optional<std::string>;

// The depth of the Game Boy's wave channel, for which most tracker waves are drawn.
constexpr int kTrackerWaveDefaultBits = 4;

struct FormatName
{
    std::string_view name;
    OutputFormat format;
};

constexpr FormatName kFormats[] = {
    {"readmemh", OutputFormat::Readmemh},
    {"readmemb", OutputFormat::Readmemb},
    {"mif", OutputFormat::Mif},
    {"coe", OutputFormat::Coe},
    {"c", OutputFormat::CHeader},
    {"ihex", OutputFormat::IntelHex},
    {"wav", OutputFormat::Wav},
    {"wt", OutputFormat::SurgeWt},
    {"fuw", OutputFormat::FurnaceWave},
    {"dmw", OutputFormat::DefleMaskWave},
};

std::optional<int> wholeNumber(const std::string& text)
{
    int number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return number;
}

bool isTrackerWave(OutputFormat format)
{
    return format == OutputFormat::FurnaceWave || format == OutputFormat::DefleMaskWave;
}

Problem badBits(const std::string& text)
{
    return "--bits takes a whole number from 2 to 32, or 1 to 8 for fuw and dmw, not '" + text
        + "'";
}

// The range of --bits depends on the format, which may come later: checked in bitsProblem.
Problem takeBits(QuenferCommandLine& line, const std::string& text)
{
    const auto bits = wholeNumber(text);
    if (!bits || *bits < kTrackerFileLeastBits || *bits > kMaxWordBits)
        return badBits(text);
    line.words.bits = *bits;
    line.bitsGiven = true;
    return std::nullopt;
}

Problem bitsProblem(QuenferCommandLine& line)
{
    const int bits = line.words.bits;
    if (!isTrackerWave(line.format))
        return bits < kMinWordBits ? badBits(std::to_string(bits)) : std::nullopt;
    if (!line.bitsGiven)
        line.words.bits = kTrackerWaveDefaultBits;
    return line.words.bits > kTrackerFileMostBits ? badBits(std::to_string(bits)) : std::nullopt;
}

Problem takeLine(QuenferCommandLine& line, const std::string& text)
{
    const auto number = wholeNumber(text);
    if (!number || *number < 1 || *number > kPatternLineCount)
        return "--line takes a line number from 1 to 32, not '" + text + "'";
    line.line = *number;
    return std::nullopt;
}

Problem takeFrames(QuenferCommandLine& line, const std::string& text)
{
    int frames = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), frames);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || frames < 1
        || frames > kPatternLineCount)
        return "--frames takes a whole number from 1 to 32, not '" + text + "'";
    line.frames = frames;
    return std::nullopt;
}

Problem takeFormat(QuenferCommandLine& line, const std::string& name)
{
    for (const FormatName& format : kFormats) {
        if (format.name == name) {
            line.format = format.format;
            return std::nullopt;
        }
    }
    return "--format takes readmemh, readmemb, mif, coe, c, ihex, wav, wt, fuw or dmw, not '" + name
        + "'";
}

Problem takeName(QuenferCommandLine& line, const std::string& name)
{
    if (const auto fault = arrayNameFault(name))
        return "--name takes a C identifier that C and <stdint.h> leave free, not '" + name
            + "': it " + *fault;
    line.arrayName = name;
    return std::nullopt;
}

Problem showHelp(QuenferCommandLine& line, const std::string&)
{
    line.action = QuenferAction::ShowHelp;
    return std::nullopt;
}

Problem showVersion(QuenferCommandLine& line, const std::string&)
{
    line.action = QuenferAction::ShowVersion;
    return std::nullopt;
}

Problem takeUnsigned(QuenferCommandLine& line, const std::string&)
{
    // Chip levels are unsigned already; --unsigned does not undo --levels.
    if (line.words.encoding != WordEncoding::Levels)
        line.words.encoding = WordEncoding::OffsetBinary;
    return std::nullopt;
}

Problem takeLevels(QuenferCommandLine& line, const std::string&)
{
    line.words.encoding = WordEncoding::Levels;
    return std::nullopt;
}

Problem takePack(QuenferCommandLine& line, const std::string&)
{
    line.words.packed = true;
    return std::nullopt;
}

Problem takeStrict(QuenferCommandLine& line, const std::string&)
{
    line.strict = true;
    return std::nullopt;
}

struct Option
{
    std::string_view name;
    bool takesValue; // as "--bits N" or "--bits=N"
    Problem (*take)(QuenferCommandLine&, const std::string& value);
};

constexpr Option kOptions[] = {
    {"--help", false, showHelp},
    {"-h", false, showHelp},
    {"--version", false, showVersion},
    {"--unsigned", false, takeUnsigned},
    {"--levels", false, takeLevels},
    {"--pack", false, takePack},
    {"--strict", false, takeStrict},
    {"--bits", true, takeBits},
    {"--format", true, takeFormat},
    {"--name", true, takeName},
    {"--frames", true, takeFrames},
    {"--line", true, takeLine},
};

const Option* optionNamed(std::string_view name)
{
    for (const Option& option : kOptions) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

QuenferCommandLine refused(std::string problem)
{
    QuenferCommandLine line;
    line.action = QuenferAction::RefuseUsage;
    line.problem = std::move(problem);
    return line;
}

bool isOption(const std::string& argument)
{
    return argument.size() >= 2 && argument.front() == '-';
}

} // namespace

// Options apply in the order given; help and version end the reading where they stand.
QuenferCommandLine parseQuenferArguments(const std::vector<std::string>& arguments)
{
    QuenferCommandLine line;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !isOption(argument)) {
            files.push_back(argument);
            continue;
        }
        optionsEnded = argument == "--";
        if (optionsEnded)
            continue;
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const Option* option = optionNamed(name);
        if (option == nullptr || (!option->takesValue && equals != std::string::npos))
            return refused("unknown option '" + argument + "'");
        std::string value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (option->takesValue && i + 1 == arguments.size())
            return refused("option '" + name + "' needs a value");
        else if (option->takesValue)
            value = arguments[++i];
        if (const Problem problem = option->take(line, value))
            return refused(*problem);
        if (line.action != QuenferAction::Compile)
            return line;
    }
    if (const Problem problem = bitsProblem(line))
        return refused(*problem);
    // Only the whole line says whether the width and the encoding allow packing.
    if (const auto fault = packingFault(line.words))
        return refused("--pack: " + *fault);
    if (files.size() != 2)
        return refused(files.size() < 2 ? "an input CSV file and an output file are needed"
                                        : "too many arguments");
    line.input = files[0];
    line.output = files[1];
    return line;
}

std::string quenferUsage()
{
    return "Usage: quenfer [OPTIONS] INPUT.csv OUTPUT\n"
           "Turns an Ondulix pattern file (32 lines of 32 samples) into a memory image of\n"
           "1024 words, line by line, at address (line - 1) x 32 + sample, or into a\n"
           "wavetable for software synthesizers.\n"
           "\n"
           "Options:\n"
           "  --bits N       word width, 2 to 32 (default 16)\n"
           "  --unsigned     offset binary words (default two's complement)\n"
           "  --levels       a wavetable chip's levels 0 to 2^N-1 instead, as trackers\n"
           "                 write them: (v + 500) x (2^N - 1) / 1000, rounded\n"
           "  --pack         with --bits 4 --levels: two levels a byte, the first in the\n"
           "                 high nibble, as Game Boy wave RAM holds them (16 bytes a line)\n"
           "  --format F     the output file (default readmemh):\n"
           "                   readmemh, readmemb  Verilog $readmemh / $readmemb\n"
           "                   mif                 Intel (Altera) memory initialization file\n"
           "                   coe                 Xilinx coefficient file\n"
           "                   c                   C header: an array [32][32] of int8_t,\n"
           "                                       int16_t or int32_t (uint*_t with --unsigned)\n"
           "                   ihex                Intel HEX of that array's bytes, little-endian\n"
           "                   wav                 wavetable WAV: frames of 2048 samples,\n"
           "                                       32-bit float, 48000 Hz, with a clm chunk\n"
           "                   wt                  Surge XT wavetable: waves of 32 samples\n"
           "                   fuw                 Furnace wave: one line at 2^bits levels\n"
           "                   dmw                 DefleMask wave: the same\n"
           "                 wav and wt take each sample v as v / 500 and ignore --bits,\n"
           "                 --unsigned, --levels and --pack. They hold lines 1 to the last that\n"
           "                 is not all 0s, one frame a line; a table of 0s only is refused.\n"
           "                 fuw and dmw take --bits 1 to 8 (default 4) and ignore --unsigned,\n"
           "                 --levels and --pack: their levels run from 0 up already.\n"
           "  --frames N     wav and wt hold lines 1 to N, 1 to 32, whatever they hold\n"
           "  --name IDENT   the C array's name for --format c (default ondulix_table)\n"
           "  --line N       the line for --format fuw and dmw, 1 to 32 (default 1); a line\n"
           "                 never stored is all zeros\n"
           "  --strict       refuse a file where the editor's rules had to guess: a field\n"
           "                 that is not a number as a whole, or a value beyond full scale;\n"
           "                 without it each is named on standard error and read as the\n"
           "                 editor reads it\n"
           "  --help         show this help\n"
           "  --version      show the version\n";
}

} // namespace ondulix
