#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The atomic writer's only calls into the operating system. Another system gets a branch of
// these two functions and nothing else changes; on Windows: CreateFileW with CREATE_NEW,
// WriteFile, FlushFileBuffers, then MoveFileExW with MOVEFILE_REPLACE_EXISTING |
// MOVEFILE_WRITE_THROUGH.
namespace ondulix::system_files {

struct NewFile
{
    bool nameTaken = false; // a file of that name was there already; nothing was touched
    bool created = false; // the file exists now, whole or not
    std::optional<std::string> failure; // the system's reason, when it failed otherwise
};

// Creates `path` where no file has that name, writes all of `bytes` and returns once they are on
// the disk. The new file gets exactly `permissions` when given (those of the file it is to
// replace), else the permissions of any new file: 0666 less the process's umask, which the
// system applies itself, so that the mask is never read or changed. A file it created stays
// behind when it fails, for the caller to remove: only the caller knows what it may remove.
NewFile writeNewFile(const std::filesystem::path& path, std::string_view bytes,
    std::optional<std::filesystem::perms> permissions);

// Puts `from` in the place of `to` in one step: `to` then names either the old file or the whole
// new one, never half of one and never nothing. Returns once the new name is on the disk too,
// where the folder can be opened and its file system syncs folders. A failure of that last sync
// is returned although `to` already names the new file, and `from` is gone.
std::optional<std::string> replaceFile(
    const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace ondulix::system_files
