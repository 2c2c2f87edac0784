#include "files/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace ondulix {

namespace {

std::string systemReason()
{
    return std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target(path);
    if (target.filename().empty())
        return std::string("no file name given");
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return systemReason();
    std::optional<std::string> failure;
    if (::fchmod(fd, newFileMode()) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0)
        failure = systemReason();
    if (::close(fd) != 0 && !failure)
        failure = systemReason();
    if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = systemReason();
    if (failure)
        ::unlink(temporary.c_str());
    return failure;
}

} // namespace ondulix
