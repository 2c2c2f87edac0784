#include "files/system_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondulix::system_files {

namespace {

std::string systemReason(int error)
{
    return std::strerror(error);
}

// Returns 0, or the error that stopped the writing. A write that takes nothing, which a regular
// file never does unless the disk is full, counts as a full disk rather than looping for ever.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Returns 0, or the error of a sync that the folder's file system could do and did not. The name
// that a rename wrote is in the folder's own data, which a sync of the file leaves in memory.
int syncFolder(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder that may be written but not read (mode -wx) cannot be opened: the rename is all
    // that can be done there, and it was done.
    if (fd < 0)
        return 0;
    int error = ::fsync(fd) != 0 ? errno : 0;
    ::close(fd);
    // Some file systems (and FUSE ones often) cannot sync a folder at all: they are no fault of
    // the disk, and as safe as they can be made.
    if (error == EINVAL || error == ENOTSUP || error == ENOSYS)
        error = 0;
    return error;
}

} // namespace

NewFile writeNewFile(const std::filesystem::path& path, std::string_view bytes,
    std::optional<std::filesystem::perms> permissions)
{
    const auto mode = permissions ? static_cast<mode_t>(*permissions) : mode_t {0666};
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return errno == EEXIST ? NewFile {true, false, std::nullopt}
                               : NewFile {false, false, systemReason(errno)};
    // The umask has taken bits from the kept permissions too; they are put back before the first
    // byte is written, and the file never has more than the old one had.
    int error = permissions && ::fchmod(fd, mode) != 0 ? errno : 0;
    if (error == 0)
        error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return {false, true, error == 0 ? std::nullopt : std::optional(systemReason(error))};
}

std::optional<std::string> replaceFile(
    const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return systemReason(errno);
    // The new file is in place and is not taken back: the user is told that the disk failed
    // (EIO, most often), since the saved file may not outlast a power cut.
    if (const int error = syncFolder(to); error != 0)
        return "the new file is in place, but a power cut may lose it: " + systemReason(error);
    return std::nullopt;
}

} // namespace ondulix::system_files
