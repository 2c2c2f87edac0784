#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace ondulix::testing {

// Makes a folder where nothing can be created, renamed or removed, for as long as it lives.
// Taking the write permission away is enough for a user; root ignores permissions, so there
// the folder is also made immutable (chattr +i), which root's writes respect as well.
class LockedFolder
{
public:
    explicit LockedFolder(std::filesystem::path folder)
        : m_folder(std::move(folder))
    {
        ::chmod(m_folder.c_str(), 0555);
        if (!canCreateIn(m_folder))
            return;
        m_immutable = setImmutable(true);
    }
    ~LockedFolder()
    {
        if (m_immutable)
            setImmutable(false);
        ::chmod(m_folder.c_str(), 0755);
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    // False where neither way works (a file system without the immutable flag, as root).
    bool locked() const { return !canCreateIn(m_folder); }

private:
    static bool canCreateIn(const std::filesystem::path& folder)
    {
        const auto probe = folder / ".probe";
        const bool created = std::ofstream(probe).good();
        std::error_code ignored;
        std::filesystem::remove(probe, ignored);
        return created;
    }

    bool setImmutable(bool on) const
    {
        const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }

    std::filesystem::path m_folder;
    bool m_immutable = false;
};

// Makes the disk look full to this process: writes past `bytes` fail with "File too large"
// instead of stopping the process, until the limit goes out of scope.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace ondulix::testing
