#include "quenfer/quenfer_options.h"

#include "files/word_array.h"

#include <charconv>
#include <string_view>

namespace ondulix {

namespace {

struct FormatName
{
    std::string_view name;
    MemoryFormat image;
    std::optional<WavetableFormat> wavetable;
};

constexpr FormatName kFormats[] = {
    {"readmemh", MemoryFormat::Readmemh, std::nullopt},
    {"readmemb", MemoryFormat::Readmemb, std::nullopt},
    {"mif", MemoryFormat::Mif, std::nullopt},
    {"coe", MemoryFormat::Coe, std::nullopt},
    {"c", MemoryFormat::CHeader, std::nullopt},
    {"ihex", MemoryFormat::IntelHex, std::nullopt},
    {"wav", MemoryFormat::Readmemh, WavetableFormat::Wav},
    {"wt", MemoryFormat::Readmemh, WavetableFormat::SurgeWt},
};

const FormatName* formatNamed(std::string_view name)
{
    for (const FormatName& format : kFormats) {
        if (format.name == name)
            return &format;
    }
    return nullptr;
}

std::optional<int> bitsNamed(std::string_view text)
{
    int bits = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), bits);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    if (bits < kMinWordBits || bits > kMaxWordBits)
        return std::nullopt;
    return bits;
}

QuenferCommandLine refused(std::string problem)
{
    QuenferCommandLine line;
    line.action = QuenferAction::RefuseUsage;
    line.problem = std::move(problem);
    return line;
}

} // namespace

QuenferCommandLine parseQuenferArguments(const std::vector<std::string>& arguments)
{
    QuenferCommandLine line;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.rfind("-", 0) != 0) {
            files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            line.action = QuenferAction::ShowHelp;
            return line;
        }
        if (argument == "--version") {
            line.action = QuenferAction::ShowVersion;
            return line;
        }
        if (argument == "--unsigned") {
            line.image.encoding = WordEncoding::OffsetBinary;
            continue;
        }
        // --bits N, --bits=N, --format F, --format=F, --name IDENT, --name=IDENT
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (name != "--bits" && name != "--format" && name != "--name")
            return refused("unknown option '" + argument + "'");
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return refused("option '" + name + "' needs a value");
        }
        if (name == "--bits") {
            const auto bits = bitsNamed(value);
            if (!bits)
                return refused("--bits takes a whole number from 2 to 32, not '" + value + "'");
            line.image.bits = *bits;
        } else if (name == "--name") {
            if (!isArrayName(value))
                return refused(
                    "--name takes a C identifier that is not a keyword, not '" + value + "'");
            line.image.arrayName = value;
        } else {
            const FormatName* format = formatNamed(value);
            if (format == nullptr)
                return refused("--format takes readmemh, readmemb, mif, coe, c, ihex, wav or wt, "
                               "not '"
                    + value + "'");
            line.image.format = format->image;
            line.wavetable = format->wavetable;
        }
    }
    if (files.size() != 2) {
        return refused(files.size() < 2 ? "an input CSV file and an output file are needed"
                                        : "too many arguments");
    }
    line.input = files[0];
    line.output = files[1];
    line.image.sourceName = line.input;
    return line;
}

std::string quenferUsage()
{
    return "Usage: quenfer [OPTIONS] INPUT.csv OUTPUT\n"
           "Turns an Ondulix pattern file (32 lines of 32 samples) into a memory image of\n"
           "1024 words, line by line, at address (line - 1) x 32 + sample, or into a\n"
           "wavetable of 32 waves for software synthesizers.\n"
           "\n"
           "Options:\n"
           "  --bits N       word width, 2 to 32 (default 16)\n"
           "  --unsigned     offset binary words (default two's complement)\n"
           "  --format F     the output file (default readmemh):\n"
           "                   readmemh, readmemb  Verilog $readmemh / $readmemb\n"
           "                   mif                 Intel (Altera) memory initialization file\n"
           "                   coe                 Xilinx coefficient file\n"
           "                   c                   C header: an array [32][32] of int8_t,\n"
           "                                       int16_t or int32_t (uint*_t with --unsigned)\n"
           "                   ihex                Intel HEX of that array's bytes, little-endian\n"
           "                   wav                 wavetable WAV: 32 frames of 2048 samples,\n"
           "                                       32-bit float, 48000 Hz, with a clm chunk\n"
           "                   wt                  Surge XT wavetable: 32 waves of 32 samples\n"
           "                 wav and wt take each sample v as v / 500 and ignore --bits and\n"
           "                 --unsigned.\n"
           "  --name IDENT   the C array's name for --format c (default ondulix_table)\n"
           "  --help         show this help\n"
           "  --version      show the version\n";
}

} // namespace ondulix
