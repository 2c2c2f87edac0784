#include "files/settings_file.h"
#include "support/locked_folder.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

using namespace ondulix;
using ondulix::testing::LockedFolder;
using ondulix::testing::readBytes;
using ondulix::testing::TemporaryFolder;
using ondulix::testing::writeBytes;

namespace {

TEST(SettingsFile, LivesInTheStartupDirectory)
{
    EXPECT_EQ(settingsFilePath("/home/user/waves"), "/home/user/waves/Ondulix.ini");
    EXPECT_EQ(settingsFilePath("/home/user/waves/"), "/home/user/waves/Ondulix.ini");
    EXPECT_EQ(settingsFilePath("/"), "/Ondulix.ini");
}

struct TextCase
{
    const char* text;
    std::optional<std::string> path;
};

const TextCase kTextCases[] = {
    {"/opt/quenfer/quenfer\r\n", "/opt/quenfer/quenfer"},
    {"/opt/quenfer/quenfer", "/opt/quenfer/quenfer"},
    {"first\r\nsecond\r\nthird\r\n", "third"}, // the last line wins
    {"\r\n", ""}, // one empty line: a path, and an empty one
    {"first\r\n\r\n", ""},
    {"first\r\nsecond\r\r\n", "second"}, // CRs before the end belong to the ending
    {"/opt/q\r", "/opt/q"},
    {"", std::nullopt}, // no line, no path
    {"/with blanks/and \"quotes\"\n", "/with blanks/and \"quotes\""},
};

TEST(SettingsFile, CompilerPathIsTheLastLine)
{
    for (const TextCase& c : kTextCases)
        EXPECT_EQ(compilerPathIn(c.text), c.path) << c.text;
}

// The system cuts a program's name at its first NUL: "/usr/bin/true\0.exe" would start
// /usr/bin/true. No file name holds a NUL, so such a file names no compiler at all.
TEST(SettingsFile, FileWithANulByteNamesNoCompilerAndIsLeftAsItWas)
{
    using namespace std::string_literals;
    TemporaryFolder folder;
    const auto file = settingsFilePath(folder.path());
    for (const std::string& text :
        {"/usr/bin/true\0.exe\r\n"s, "\0\r\n/opt/q\r\n"s, "/opt/q\r\n\0"s}) {
        writeBytes(file, text);
        EXPECT_EQ(loadSettings(file), std::nullopt);
        EXPECT_EQ(readBytes(file), text);
    }
}

TEST(SettingsFile, WritesOneLineEndedByCrLf)
{
    EXPECT_EQ(settingsText("/opt/q"), "/opt/q\r\n");
    EXPECT_EQ(compilerPathIn(settingsText("C:\\TOOLS\\MC.EXE")), "C:\\TOOLS\\MC.EXE");
}

TEST(SettingsFile, MissingFileIsCreatedEmpty)
{
    TemporaryFolder folder;
    const auto file = settingsFilePath(folder.path());
    EXPECT_EQ(loadSettings(file), std::nullopt);
    ASSERT_TRUE(std::filesystem::is_regular_file(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(loadSettings(file), std::nullopt);
}

TEST(SettingsFile, LoadingLeavesTheFileAsItWas)
{
    TemporaryFolder folder;
    const auto file = settingsFilePath(folder.path());
    for (const TextCase& c : kTextCases) {
        writeBytes(file, c.text);
        EXPECT_EQ(loadSettings(file), c.path) << c.text;
        EXPECT_EQ(readBytes(file), c.text);
    }
}

TEST(SettingsFile, UnreadableFileIsNeitherReadNorReplaced)
{
    TemporaryFolder folder;
    const auto file = settingsFilePath(folder.path());
    std::filesystem::create_directory(file);
    writeBytes(file / "inside", "kept");
    EXPECT_EQ(loadSettings(file), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(readBytes(file / "inside"), "kept");
}

TEST(SettingsFile, ReadOnlyStartupDirectoryGivesNoPathAndNoFile)
{
    TemporaryFolder folder;
    const LockedFolder locked(folder.path());
    if (!locked.locked())
        GTEST_SKIP() << "no way to make a folder read-only here";
    const auto file = settingsFilePath(folder.path());
    EXPECT_EQ(loadSettings(file), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
