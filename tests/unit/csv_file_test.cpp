#include "files/csv_reader.h"
#include "support/read_permission.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

using namespace ondulix;
using ondulix::testing::TemporaryFolder;
using ondulix::testing::WithoutReadPermission;
using ondulix::testing::writeBytes;

namespace {

std::string refusal(const std::filesystem::path& file)
{
    const CsvReadResult result = readCsvFile(file, PatternTable {});
    if (!std::holds_alternative<CsvError>(result))
        return "accepted";
    const CsvError& error = std::get<CsvError>(result);
    return (error.line == 0 ? "" : "line " + std::to_string(error.line) + ": ") + error.reason;
}

TEST(CsvFile, ReadsAFileWrittenOnDisk)
{
    TemporaryFolder folder;
    writeBytes(folder / "a.csv", " 1, .5\r\n 2,-.25\r\n");
    const CsvReadResult result = readCsvFile(folder / "a.csv", PatternTable {});
    ASSERT_TRUE(std::holds_alternative<PatternTable>(result));
    EXPECT_EQ(std::get<PatternTable>(result).cell(2, 2), "-.25");
}

TEST(CsvFile, SizeLimitIsOneMebibyteInclusive)
{
    TemporaryFolder folder;
    // 32 lines and then empty ones up to exactly the limit: large, but a sound file.
    std::string file;
    for (int n = 0; n < 32; ++n)
        file += "1\n";
    file += std::string(kCsvFileSizeLimit - file.size(), '\n');
    writeBytes(folder / "limit.csv", file);
    EXPECT_EQ(refusal(folder / "limit.csv"), "accepted");
    writeBytes(folder / "over.csv", file + "\n");
    EXPECT_EQ(refusal(folder / "over.csv"), "it is larger than 1048576 bytes");
}

TEST(CsvFile, EndlessFileIsRefusedWithoutReadingItWhole)
{
    EXPECT_EQ(refusal("/dev/zero"), "it is larger than 1048576 bytes");
}

TEST(CsvFile, FilesThatCannotBeReadAreRefusedWithTheSystemsReason)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "folder.csv");
    std::filesystem::create_symlink(folder / "loop.csv", folder / "loop.csv");
    EXPECT_EQ(refusal(folder / "folder.csv"), "it is a folder, not a file");
    EXPECT_EQ(refusal(folder / "missing.csv"), "it cannot be opened: No such file or directory");
    EXPECT_EQ(
        refusal(folder / "loop.csv"), "it cannot be opened: Too many levels of symbolic links");
}

TEST(CsvFile, FileWithoutReadPermissionIsRefused)
{
    TemporaryFolder folder;
    writeBytes(folder / "locked.csv", "1,2\r\n");
    const WithoutReadPermission locked(folder / "locked.csv");
    if (!locked.inEffect())
        GTEST_SKIP() << "this file system lets every file be read";
    EXPECT_EQ(refusal(folder / "locked.csv"), "it cannot be opened: Permission denied");
}

} // namespace
