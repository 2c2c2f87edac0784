#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ondulix {

// What the command line asks of a run of the program.
struct CommandLine
{
    enum class Run
    {
        Window, // open the window, with `file` opened first if there is one
        PrintAndExit, // print `text` on standard output and exit with status 0
        Refuse, // print `text` on standard error and exit with status 2
    };
    Run run = Run::Window;
    std::optional<std::string> file;
    std::string text;
};

// Reads the arguments after the program's name: --help, --version, or at most one file. It
// runs before Qt starts, so --help and --version work without a display. "--" ends the options,
// for a file whose name starts with "-".
CommandLine readCommandLine(const std::vector<std::string>& arguments);

} // namespace ondulix
