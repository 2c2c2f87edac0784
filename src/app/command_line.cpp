#include "app/command_line.h"

#include "ondulix_version.h"

namespace ondulix {

namespace {

constexpr const char* kUsage = "Usage: ondulix [FILE.csv]\n"
                               "Designs 32-point waveforms and pattern tables of them.\n"
                               "\n"
                               "  FILE.csv     open this pattern file at the start\n"
                               "  --help       print this help and exit\n"
                               "  --version    print the version and exit\n";
constexpr const char* kVersion = "ondulix " ONDULIX_VERSION "\n";

CommandLine refusal(const std::string& reason)
{
    return {CommandLine::Run::Refuse, std::nullopt, "ondulix: " + reason + "\n" + kUsage};
}

} // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--help")
            return {CommandLine::Run::PrintAndExit, std::nullopt, kUsage};
        if (!optionsEnded && argument == "--version")
            return {CommandLine::Run::PrintAndExit, std::nullopt, kVersion};
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            return refusal("unknown option " + argument);
        } else if (line.file) {
            return refusal("only one file can be opened");
        } else {
            line.file = argument;
        }
    }
    return line;
}

} // namespace ondulix
