#include "quenfer/quenfer_options.h"

#include <gtest/gtest.h>

using namespace ondulix;

namespace {

TEST(QuenferOptions, TwoArgumentsTakeTheDefaults)
{
    const QuenferCommandLine line = parseQuenferArguments({"in.csv", "out.mem"});
    EXPECT_EQ(line.action, QuenferAction::Compile);
    EXPECT_EQ(line.input, "in.csv");
    EXPECT_EQ(line.output, "out.mem");
    EXPECT_EQ(line.image.bits, 16);
    EXPECT_EQ(line.image.encoding, WordEncoding::TwosComplement);
    EXPECT_EQ(line.image.format, MemoryFormat::Readmemh);
    EXPECT_EQ(line.image.sourceName, "in.csv");
}

TEST(QuenferOptions, OptionsInEitherSpelling)
{
    const struct
    {
        std::vector<std::string> arguments;
        int bits;
        WordEncoding encoding;
        MemoryFormat format;
    } cases[] = {
        {{"--bits", "8", "a", "b"}, 8, WordEncoding::TwosComplement, MemoryFormat::Readmemh},
        {{"a", "--bits=32", "b", "--unsigned"}, 32, WordEncoding::OffsetBinary,
            MemoryFormat::Readmemh},
        {{"--format", "mif", "--bits", "2", "a", "b"}, 2, WordEncoding::TwosComplement,
            MemoryFormat::Mif},
        {{"--format=coe", "a", "b"}, 16, WordEncoding::TwosComplement, MemoryFormat::Coe},
        {{"--format=readmemb", "--", "a", "b"}, 16, WordEncoding::TwosComplement,
            MemoryFormat::Readmemb},
    };
    for (const auto& c : cases) {
        const QuenferCommandLine line = parseQuenferArguments(c.arguments);
        EXPECT_EQ(line.action, QuenferAction::Compile) << line.problem;
        EXPECT_EQ(line.image.bits, c.bits);
        EXPECT_EQ(line.image.encoding, c.encoding);
        EXPECT_EQ(line.image.format, c.format);
        EXPECT_EQ(line.input, "a");
        EXPECT_EQ(line.output, "b");
    }
}

TEST(QuenferOptions, HelpAndVersionWinOverEverythingElse)
{
    EXPECT_EQ(parseQuenferArguments({"--help"}).action, QuenferAction::ShowHelp);
    EXPECT_EQ(parseQuenferArguments({"a", "-h"}).action, QuenferAction::ShowHelp);
    EXPECT_EQ(parseQuenferArguments({"--version", "x"}).action, QuenferAction::ShowVersion);
}

TEST(QuenferOptions, BadUseIsRefusedWithTheReason)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "an input CSV file and an output file are needed"},
        {{"a"}, "an input CSV file and an output file are needed"},
        {{"a", "b", "c"}, "too many arguments"},
        {{"--bits", "1", "a", "b"}, "--bits takes a whole number from 2 to 32, not '1'"},
        {{"--bits=33", "a", "b"}, "--bits takes a whole number from 2 to 32, not '33'"},
        {{"--bits", "8x", "a", "b"}, "--bits takes a whole number from 2 to 32, not '8x'"},
        {{"--bits", "99999999999999999999", "a", "b"},
            "--bits takes a whole number from 2 to 32, not '99999999999999999999'"},
        {{"a", "b", "--bits"}, "option '--bits' needs a value"},
        {{"--format", "hex", "a", "b"},
            "--format takes readmemh, readmemb, mif, coe, c, ihex, wav or wt, not 'hex'"},
        {{"--signed", "a", "b"}, "unknown option '--signed'"},
        {{"-x", "a", "b"}, "unknown option '-x'"},
    };
    for (const auto& [arguments, problem] : cases) {
        const QuenferCommandLine line = parseQuenferArguments(arguments);
        EXPECT_EQ(line.action, QuenferAction::RefuseUsage);
        EXPECT_EQ(line.problem, problem);
    }
}

} // namespace
