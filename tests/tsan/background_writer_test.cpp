// The recovery file's writer, whose jobs one thread gives while another does them.
#include "files/background_writer.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

using namespace ondulix;
namespace fs = std::filesystem;

namespace {

std::string contentOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Jobs run in order, so the last write of a file wins over removals and writes before it; a
// failure is told once; the jobs given before the writer ends are all done.
TEST(BackgroundWriter, DoesEveryJobInOrderAndTellsAFailureOnce)
{
    const fs::path folder
        = fs::temp_directory_path() / ("ondulix-writer-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    {
        BackgroundWriter writer;
        for (int i = 0; i < 300; ++i) {
            writer.write(folder / "a", std::to_string(i));
            if (i % 40 == 0)
                writer.remove(folder / "a");
        }
        writer.write(folder / "missing" / "b", "x");
        writer.finish();
        EXPECT_EQ(contentOf(folder / "a"), "299");
        EXPECT_TRUE(writer.takeFailure().has_value());
        EXPECT_FALSE(writer.takeFailure().has_value());
        writer.write(folder / "c", "late");
    }
    EXPECT_EQ(contentOf(folder / "c"), "late");
    fs::remove_all(folder);
}

} // namespace
