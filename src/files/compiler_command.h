#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ondulix {

// How the memory-file compiler is started for one CSV file and one ".mem" file.
struct CompilerCommand
{
    // The command as users know it: path, blank, CSV file, blank, ".mem" file, nothing quoted.
    // It is kept for showing only; the program is never started from this text.
    std::string commandLine;
    // What is started: the program and its two arguments, each handed over whole, so blanks,
    // quotes and shell characters in a name stay part of the name.
    std::string program;
    std::vector<std::string> arguments;
    // The CSV file's folder, where a compiler that writes beside its input expects to run.
    std::filesystem::path workingDirectory;
};

CompilerCommand compilerCommand(
    const std::string& compilerPath, const std::string& csvFile, const std::string& memFile);

} // namespace ondulix
