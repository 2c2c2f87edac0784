#include "quenfer/quenfer_options.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace ondulix {

namespace {

std::optional<MemoryFormat> formatNamed(std::string_view name)
{
    if (name == "readmemh")
        return MemoryFormat::Readmemh;
    if (name == "readmemb")
        return MemoryFormat::Readmemb;
    if (name == "mif")
        return MemoryFormat::Mif;
    if (name == "coe")
        return MemoryFormat::Coe;
    return std::nullopt;
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
        // --bits N, --bits=N, --format F, --format=F
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (name != "--bits" && name != "--format")
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
        } else {
            const auto format = formatNamed(value);
            if (!format)
                return refused(
                    "--format takes readmemh, readmemb, mif or coe, not '" + value + "'");
            line.image.format = *format;
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
    return "Usage: quenfer [OPTIONS] INPUT.csv OUTPUT.mem\n"
           "Turns an Ondulix pattern file (32 lines of 32 samples) into a memory image of\n"
           "1024 words, line by line, at address (line - 1) x 32 + sample.\n"
           "\n"
           "Options:\n"
           "  --bits N       word width, 2 to 32 (default 16)\n"
           "  --unsigned     offset binary words (default two's complement)\n"
           "  --format F     readmemh, readmemb, mif or coe (default readmemh)\n"
           "  --help         show this help\n"
           "  --version      show the version\n";
}

} // namespace ondulix
