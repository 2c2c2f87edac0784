#include "quenfer/quenfer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ondulix;
namespace fs = std::filesystem;

namespace {

class QuenferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("quenfer_test_" + std::to_string(::getpid()) + "_"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream file(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    int run(const std::vector<std::string>& arguments)
    {
        out.str({});
        err.str({});
        return runQuenfer(arguments, out, err);
    }

    fs::path folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(QuenferTest, TwoArgumentsWriteTheDefaultImage)
{
    write("wave.csv", " 1, .5,-.5\r\n 2\r\n");
    ASSERT_EQ(run({path("wave.csv"), path("wave.mem")}), 0) << err.str();
    const std::string image = read("wave.mem");
    EXPECT_EQ(image.substr(image.find("@000\n"), 20), "@000\n7FFF\n8001\n0000\n");
    EXPECT_NE(image.find("16 bits, two's complement"), std::string::npos);
    EXPECT_EQ(err.str(), "");
}

TEST_F(QuenferTest, StartsFromAnEmptyTableSoMissingCellsAreZero)
{
    write("short.csv", "7,0.25\n");
    ASSERT_EQ(run({"--bits", "8", path("short.csv"), path("short.mem")}), 0) << err.str();
    const std::string image = read("short.mem");
    // 0.25 x 2 x 127 = 63.5, which goes to the even 64.
    EXPECT_EQ(image.substr(image.find("@000\n"), 14), "@000\n40\n00\n00\n");
    EXPECT_EQ(std::count(image.begin(), image.end(), '\n'), 2 + 32 + 1024);
}

TEST_F(QuenferTest, ARefusedFileNamesTheFileTheLineAndTheReasonAndWritesNothing)
{
    std::string tooManyFields = " 1";
    for (int i = 0; i < 33; ++i)
        tooManyFields += ", 0";
    write("fields.csv", " 1\r\n" + tooManyFields + "\r\n");
    write("nul.csv", std::string("1,\0,2\r\n", 7));
    std::string thirtyThree;
    for (int line = 1; line <= 33; ++line)
        thirtyThree += std::to_string(line) + "\r\n";
    write("lines.csv", thirtyThree);
    write("old.mem", "the old image");

    const std::pair<std::string, std::string> cases[] = {
        {"fields.csv", ":2: "},
        {"nul.csv", ":1: "},
        {"lines.csv", ":33: "},
        {"missing.csv", ": "},
    };
    for (const auto& [name, place] : cases) {
        EXPECT_EQ(run({path(name), path("old.mem")}), 1) << name;
        const std::string message = err.str();
        EXPECT_EQ(message.rfind("quenfer: " + path(name) + place, 0), 0u) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_EQ(read("old.mem"), "the old image") << name;
    }
}

TEST_F(QuenferTest, AnOutputThatCannotBeWrittenIsReportedAndLeavesNoTrace)
{
    write("wave.csv", " 1, .5\r\n");
    fs::create_directory(folder / "taken.mem");
    EXPECT_EQ(run({path("wave.csv"), path("taken.mem")}), 1);
    EXPECT_EQ(err.str().rfind("quenfer: " + path("taken.mem") + ": cannot write: ", 0), 0u)
        << err.str();
    EXPECT_EQ(run({path("wave.csv"), path("no/such/folder/x.mem")}), 1);
    // Only the input and the folder that was in the way are left.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST_F(QuenferTest, BadUseGivesTheUsageOnTheErrorStreamAndStatusTwo)
{
    EXPECT_EQ(run({"--bits", "40", "a.csv", "b.mem"}), 2);
    EXPECT_EQ(
        err.str().rfind("quenfer: --bits takes a whole number from 2 to 32, not '40'\nUsage: ", 0),
        0u);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(run({"a.csv"}), 2);
    EXPECT_NE(err.str().find("Usage: quenfer [OPTIONS] INPUT.csv OUTPUT"), std::string::npos);

    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(out.str().rfind("Usage: quenfer", 0), 0u);
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(out.str().rfind("quenfer 0.0.5", 0), 0u);
    EXPECT_EQ(err.str(), "");
}

} // namespace
