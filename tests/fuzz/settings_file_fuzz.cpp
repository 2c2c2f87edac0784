// The settings file on any bytes, read from a real file as the window's load handler reads it:
// loading never changes the file, a text with a NUL or without a line names no compiler, and a
// path has no line ending and, written back, reads as the same path.
#include "fuzz/fuzz_check.h"

#include "files/settings_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace ondulix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path file = [] {
        const auto folder = std::filesystem::temp_directory_path()
            / ("settings_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return settingsFilePath(folder);
    }();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    const std::optional<std::string> path = loadSettings(file);
    std::ifstream in(file, std::ios::binary);
    FUZZ_CHECK(std::string(std::istreambuf_iterator<char>(in), {}) == bytes);
    FUZZ_CHECK(path.has_value() == (!bytes.empty() && bytes.find('\0') == std::string::npos));
    FUZZ_CHECK(!path || path->find('\n') == std::string::npos);
    FUZZ_CHECK(!path || path->empty() || path->back() != '\r');
    FUZZ_CHECK(!path || compilerPathIn(settingsText(*path)) == path);
    return 0;
}
