// The settings file on any bytes, read from a real file as the window's load handler reads it.
// Promised: the compiler path is the file's last line, or none for a file without a line;
// loading never changes the file; and the path, written back, reads as the same path.
#include "fuzz/fuzz_check.h"

#include "files/settings_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

using namespace ondulix;
namespace fs = std::filesystem;

namespace {

const fs::path& settingsFile()
{
    static const fs::path file = [] {
        const fs::path shm = "/dev/shm";
        const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        const fs::path folder = base / ("settings_fuzz_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        return settingsFilePath(folder);
    }();
    return file;
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The last line of a text, worked out from its end: a text ending in LF has it as its last
// line's ending; CRs before the end of that line belong to the ending too.
std::string_view lastLine(std::string_view text)
{
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    text = text.substr(0, text.find_last_not_of('\r') + 1);
    const std::size_t feed = text.rfind('\n');
    return feed == std::string_view::npos ? text : text.substr(feed + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(settingsFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const std::optional<std::string> path = loadSettings(settingsFile());
    FUZZ_CHECK(readFile(settingsFile()) == bytes);
    FUZZ_CHECK(path == compilerPathIn(bytes));

    if (bytes.empty() || bytes.find('\0') != std::string_view::npos) {
        FUZZ_CHECK(!path.has_value());
        return 0;
    }
    FUZZ_CHECK(path.has_value());
    FUZZ_CHECK(*path == lastLine(bytes));
    FUZZ_CHECK(path->find('\n') == std::string::npos);
    FUZZ_CHECK(compilerPathIn(settingsText(*path)) == path);
    return 0;
}
