#pragma once

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace ondulix::testing {

// Root reads every file whatever its mode, through two capabilities; without them root meets
// the mode as any user does. Both are below 32, in the first word of the capability sets.
inline constexpr unsigned kPermissionOverride
    = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// Gives up, or takes back, the permission override for the calling thread only. False where the
// sets cannot be read or changed.
inline bool setPermissionOverride(bool on)
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    if (on)
        data[0].effective |= kPermissionOverride & data[0].permitted;
    else
        data[0].effective &= ~kPermissionOverride;
    return ::syscall(SYS_capset, &header, data) == 0;
}

// For a program about to start (between fork and exec): it runs without the override, so a
// program started as root meets file modes too.
inline void dropPermissionOverrideForGood()
{
    ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
    ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
}

// Takes every permission of a file away for as long as it lives, so that reading it fails with
// "Permission denied", for root too: the calling thread gives up the override meanwhile.
class WithoutReadPermission
{
public:
    explicit WithoutReadPermission(std::filesystem::path file)
        : m_file(std::move(file))
    {
        ::chmod(m_file.c_str(), 0);
        m_overrideDropped = setPermissionOverride(false);
    }
    ~WithoutReadPermission()
    {
        if (m_overrideDropped)
            setPermissionOverride(true);
        ::chmod(m_file.c_str(), 0644);
    }
    WithoutReadPermission(const WithoutReadPermission&) = delete;
    WithoutReadPermission& operator=(const WithoutReadPermission&) = delete;

    // False where the file can still be read (a file system that ignores modes).
    bool inEffect() const
    {
        std::FILE* file = std::fopen(m_file.c_str(), "rb");
        if (file != nullptr)
            std::fclose(file);
        return file == nullptr;
    }

private:
    std::filesystem::path m_file;
    bool m_overrideDropped = false;
};

} // namespace ondulix::testing
