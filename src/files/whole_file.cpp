#include "files/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace ondulix {

namespace {

WholeFile failed(std::string reason)
{
    return WholeFile {std::nullopt, std::move(reason)};
}

std::string systemReason(int error)
{
    return std::generic_category().message(error);
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

WholeFile readWholeFile(const std::filesystem::path& path, std::size_t limit)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return failed("it is a folder, not a file");
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return failed("it cannot be opened: " + systemReason(errno));

    // One allocation for the whole file: growing a string of megabytes by doubling copies it
    // and touches fresh pages each time, which took longer than decoding it.
    std::string bytes;
    std::error_code unknownSize;
    const std::uintmax_t size = std::filesystem::file_size(path, unknownSize);
    if (!unknownSize)
        bytes.reserve(std::min<std::uintmax_t>(size, limit));
    char chunk[65536];
    while (bytes.size() <= limit) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, std::min(got, limit + 1 - bytes.size()));
        if (got < sizeof chunk)
            break;
    }
    if (std::ferror(file.get()))
        return failed("it cannot be read: " + systemReason(errno));
    if (bytes.size() > limit)
        return failed("it is larger than " + std::to_string(limit) + " bytes");
    return WholeFile {std::move(bytes), {}};
}

} // namespace ondulix
