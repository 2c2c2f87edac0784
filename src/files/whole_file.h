#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace ondulix {

// The bytes of a file, or why they could not be had.
struct WholeFile
{
    std::optional<std::string> bytes;
    std::string failure; // a reason to show the user, when there are no bytes
};

// Reads a whole file of at most `limit` bytes. A larger file is refused after reading no more
// than `limit` + 1 bytes, so a wrong pick (a disk image, a device) costs neither time nor memory.
WholeFile readWholeFile(const std::filesystem::path& path, std::size_t limit);

} // namespace ondulix
