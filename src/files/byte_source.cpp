#include "files/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace ondulix {

// Nothing asked is nothing read: an empty chunk's data may have no place to go.
std::size_t MemoryBytes::readAt(std::uint64_t offset, void* to, std::size_t count)
{
    if (count == 0 || offset >= m_bytes.size())
        return 0;
    const std::size_t taken = std::min<std::uint64_t>(count, m_bytes.size() - offset);
    std::memcpy(to, m_bytes.data() + offset, taken);
    return taken;
}

ReadResult<std::unique_ptr<FileBytes>> FileBytes::open(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return Refusal {"it is a folder, not a file"};
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return Refusal {"it cannot be opened: " + std::generic_category().message(errno)};
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        std::fclose(file);
        return Refusal {"its size cannot be read: " + error.message()};
    }
    return std::unique_ptr<FileBytes>(new FileBytes(file, size));
}

FileBytes::~FileBytes()
{
    std::fclose(m_file);
}

std::size_t FileBytes::readAt(std::uint64_t offset, void* to, std::size_t count)
{
    if (count == 0 || offset >= m_size
        || std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0)
        return 0;
    return std::fread(to, 1, count, m_file);
}

} // namespace ondulix
