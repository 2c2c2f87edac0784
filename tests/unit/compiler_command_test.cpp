#include "files/compiler_command.h"

#include <gtest/gtest.h>

using namespace ondulix;

namespace {

TEST(CompilerCommand, CommandLineIsPathCsvAndMemSeparatedBySingleBlanks)
{
    const CompilerCommand command = compilerCommand("C:\\TOOLS\\MC.EXE", "WAVE1.CSV", "WAVE1.MEM");
    EXPECT_EQ(command.commandLine, "C:\\TOOLS\\MC.EXE WAVE1.CSV WAVE1.MEM");
}

TEST(CompilerCommand, NamesWithBlanksAndShellCharactersStayWholeArguments)
{
    const std::string csv = "/tmp/my \"waves\"; $(touch x)/a b.csv";
    const std::string mem = "/tmp/out dir/it's.mem";
    const CompilerCommand command = compilerCommand("/opt/q q/quenfer", csv, mem);
    EXPECT_EQ(command.program, "/opt/q q/quenfer");
    EXPECT_EQ(command.arguments, (std::vector<std::string> {csv, mem}));
    // The text shown is not quoted: it is for reading, never for a shell.
    EXPECT_EQ(command.commandLine, "/opt/q q/quenfer " + csv + " " + mem);
}

TEST(CompilerCommand, RunsInTheFolderOfTheCsvFile)
{
    EXPECT_EQ(
        compilerCommand("/q", "/data/waves/a.csv", "/out/a.mem").workingDirectory, "/data/waves");
}

} // namespace
