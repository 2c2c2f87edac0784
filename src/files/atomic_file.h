#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ondulix {

// Writes a whole file so that it is either all there or not changed at all: the bytes go to a
// temporary file beside the target, which then replaces it. Every file the editor and quenfer
// write goes through here.
// - A file it replaces keeps its permissions; a new one gets 0666 less the umask.
// - A symbolic link stays a link: the file it leads to is replaced.
// - On a failure the old file is as it was, no temporary file is left, and the system's reason
//   is returned.
// The process's umask is never touched: another thread may be creating a file meanwhile.
std::optional<std::string> writeFileAtomically(
    const std::filesystem::path& path, std::string_view bytes);

// Whether two names lead to one file (the same device and inode), as another name for it or a
// link to it does. False when either is missing.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace ondulix
