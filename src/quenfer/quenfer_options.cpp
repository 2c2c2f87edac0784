#include "quenfer/quenfer_options.h"

#include "files/c_array_name.h"
#include "files/tracker_wave_file.h"
#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace ondulix {

namespace {

using Problem = std::optional<std::string>;

// The depth of the Game Boy's wave channel, for which most tracker waves are drawn.
constexpr int kTrackerWaveDefaultBits = 4;

std::optional<int> wholeNumber(const std::string& text)
{
    int number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return number;
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
    line.everyLine = text == "all";
    if (line.everyLine)
        return std::nullopt;
    const auto number = wholeNumber(text);
    if (!number || *number < 1 || *number > kPatternLineCount)
        return "--line takes a line number from 1 to 32 or all, not '" + text + "'";
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
    const auto format = formatCalled(name);
    if (!format)
        return "--format takes " + formatList() + ", not '" + name + "'";
    line.format = *format;
    return std::nullopt;
}

Problem takeChip(QuenferCommandLine& line, const std::string& name)
{
    const ExportTarget* chip = targetNamed(name);
    if (!chip || !isChip(*chip))
        return "--chip takes " + chipList() + ", not '" + name + "'";
    line.chip = chip;
    return std::nullopt;
}

Problem takeResampling(QuenferCommandLine& line, const std::string& name)
{
    if (name != "hold" && name != "smooth")
        return "--resample takes hold or smooth, not '" + name + "'";
    line.resampling = name == "hold" ? Resampling::Hold : Resampling::Smooth;
    return std::nullopt;
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

Problem showTargets(QuenferCommandLine& line, const std::string&)
{
    line.action = QuenferAction::ShowTargets;
    return std::nullopt;
}

Problem takeUnsigned(QuenferCommandLine& line, const std::string&)
{
    line.formGiven = true;
    // Chip levels are unsigned already; --unsigned does not undo --levels.
    if (line.words.encoding != WordEncoding::Levels)
        line.words.encoding = WordEncoding::OffsetBinary;
    return std::nullopt;
}

Problem takeLevels(QuenferCommandLine& line, const std::string&)
{
    line.words.encoding = WordEncoding::Levels;
    line.formGiven = true;
    return std::nullopt;
}

Problem takePack(QuenferCommandLine& line, const std::string&)
{
    line.words.packed = true;
    line.formGiven = true;
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
    {"--targets", false, showTargets},
    {"--unsigned", false, takeUnsigned},
    {"--levels", false, takeLevels},
    {"--pack", false, takePack},
    {"--strict", false, takeStrict},
    {"--bits", true, takeBits},
    {"--format", true, takeFormat},
    {"--name", true, takeName},
    {"--frames", true, takeFrames},
    {"--line", true, takeLine},
    {"--chip", true, takeChip},
    {"--resample", true, takeResampling},
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

// What a chip, a file a line and the resampling allow, which only the whole line tells.
Problem targetProblem(const QuenferCommandLine& line)
{
    const std::string format(formatNamed(line.format).name);
    if (line.chip && (line.bitsGiven || line.formGiven))
        return "--chip fixes the words' depth and form: it takes no --bits, --levels, --pack "
               "or --unsigned";
    if (line.chip && !chipTakesFormat(*line.chip, line.format))
        return "--chip " + std::string(line.chip->name) + " does not go with --format " + format
            + ": a chip's waves go into a memory format, fuw or dmw (and fti for the n163)";
    if (line.everyLine && !isTrackerWave(line.format))
        return "--line all takes --format fuw or dmw, not " + format;
    const int samples = line.chip ? line.chip->samples : targetOf(line.format).samples;
    if (line.resampling == Resampling::Smooth && samples <= kSampleCount)
        return "--resample smooth takes waves longer than 32 samples (--chip fds or x1010, "
               "--format waveedit, wav or vitaltable)";
    return std::nullopt;
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
    if (const Problem problem = targetProblem(line))
        return refused(*problem);
    if (const Problem problem = line.chip ? std::nullopt : bitsProblem(line))
        return refused(*problem);
    // Only the whole line says whether the width and the encoding allow packing.
    if (const auto fault = line.chip ? std::nullopt : packingFault(line.words))
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
           "       quenfer --targets\n"
           "Turns an Ondulix pattern file (32 lines of 32 samples) into a memory image of\n"
           "1024 words, line by line, at address (line - 1) x 32 + sample, or into a\n"
           "wavetable for software synthesizers, a tracker's wave or a chip's wave memory.\n"
           "\n"
           "Options:\n"
           "  --bits N       word width, 2 to 32 (default 16)\n"
           "  --unsigned     offset binary words (default two's complement)\n"
           "  --levels       a wavetable chip's levels 0 to 2^N-1 instead, as trackers\n"
           "                 write them: (v + 500) x (2^N - 1) / 1000, rounded\n"
           "  --pack         with --bits 4 --levels: two levels a byte, the first in the\n"
           "                 high nibble, as Game Boy wave RAM holds them (16 bytes a line)\n"
           "  --chip NAME    the wave memory of a chip: gameboy, pce, scc, vboy, fds, x1010,\n"
           "                 n163 or wonderswan (see --targets). Each line at the chip's\n"
           "                 length and depth, lines 1 to the last that holds a sound; in\n"
           "                 any memory format, or fuw and dmw at the chip's shape. It fixes\n"
           "                 what --bits, --levels, --pack and --unsigned would set.\n"
           "  --resample R   hold (default: each sample held in turn) or smooth (harmonics\n"
           "                 0 to 15 at every point) where a wave is longer than 32\n"
           "  --format F     the output file (default readmemh):\n"
           "                   readmemh, readmemb  Verilog $readmemh / $readmemb\n"
           "                   mif                 Intel (Altera) memory initialization file\n"
           "                   coe                 Xilinx coefficient file\n"
           "                   c                   C header: an array [32][32] of int8_t,\n"
           "                                       int16_t or int32_t (uint*_t with --unsigned)\n"
           "                   ihex                Intel HEX of that array's bytes, little-endian\n"
           "                   srec, bin           the same bytes as Motorola S-records, or raw\n"
           "                   vhdl                VHDL-2008 package ondulix_table_pkg\n"
           "                   verilog             Verilog ROM module ondulix_rom\n"
           "                   wav                 wavetable WAV: frames of 2048 samples,\n"
           "                                       32-bit float, 48000 Hz, with a clm chunk\n"
           "                   wt                  Surge XT wavetable: waves of 32 samples\n"
           "                   waveedit            WaveEdit bank: 64 waves of 256, 16-bit WAV\n"
           "                   vitaltable          Vital wavetable: a keyframe a line\n"
           "                   fuw                 Furnace wave: one line at 2^bits levels\n"
           "                   dmw                 DefleMask wave: the same\n"
           "                   fti                 Dn-FamiTracker N163 instrument, a wave a line\n"
           "                 wav, wt, waveedit, vitaltable and fti take each sample v as v / 500\n"
           "                 (fti: its 4-bit level) and ignore --bits, --unsigned, --levels and\n"
           "                 --pack. They hold lines 1 to the last that is not all 0s, one a\n"
           "                 line; a table of 0s only is refused.\n"
           "                 fuw and dmw take --bits 1 to 8 (default 4) and ignore --unsigned,\n"
           "                 --levels and --pack: their levels run from 0 up already.\n"
           "  --frames N     lines 1 to N, 1 to 32, whatever they hold, where the lines up to\n"
           "                 the last that holds a sound would be written\n"
           "  --name IDENT   the C array's name for --format c (default ondulix_table)\n"
           "  --line N       the line for --format fuw and dmw, 1 to 32 (default 1); a line\n"
           "                 never stored is all zeros. --line all writes OUTPUT/line01.fuw\n"
           "                 and on, one file a line up to the last that holds a sound.\n"
           "  --strict       refuse a file where the editor's rules had to guess: a field\n"
           "                 that is not a number as a whole, or a value beyond full scale;\n"
           "                 without it each is named on standard error and read as the\n"
           "                 editor reads it\n"
           "  --targets      list the targets: each chip's and format's shape\n"
           "  --help         show this help\n"
           "  --version      show the version\n";
}

} // namespace ondulix
