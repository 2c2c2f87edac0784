#include "files/sndfile_memory.h"

#include <algorithm>
#include <cstring>

namespace ondulix {

SF_VIRTUAL_IO SndfileMemory::io()
{
    return {length, seek, read, write, tell};
}

std::span<const std::uint8_t> SndfileMemory::contents() const
{
    if (!m_writing)
        return m_read;
    return {reinterpret_cast<const std::uint8_t*>(m_written.data()), m_written.size()};
}

sf_count_t SndfileMemory::length(void* user)
{
    return static_cast<sf_count_t>(of(user).contents().size());
}

sf_count_t SndfileMemory::seek(sf_count_t offset, int whence, void* user)
{
    SndfileMemory& file = of(user);
    const sf_count_t base = whence == SEEK_CUR ? file.m_position
        : whence == SEEK_END                   ? static_cast<sf_count_t>(file.contents().size())
                                               : 0;
    if (base + offset < 0)
        return -1;
    file.m_position = base + offset;
    return file.m_position;
}

sf_count_t SndfileMemory::read(void* to, sf_count_t count, void* user)
{
    SndfileMemory& file = of(user);
    const std::span<const std::uint8_t> bytes = file.contents();
    const auto size = static_cast<sf_count_t>(bytes.size());
    const sf_count_t taken = std::clamp<sf_count_t>(size - file.m_position, 0, count);
    if (taken > 0)
        std::memcpy(to, bytes.data() + file.m_position, static_cast<std::size_t>(taken));
    file.m_position += taken;
    return taken;
}

// A file opened to be read is never written to.
sf_count_t SndfileMemory::write(const void* from, sf_count_t count, void* user)
{
    SndfileMemory& file = of(user);
    if (!file.m_writing)
        return 0;
    const auto end = static_cast<std::size_t>(file.m_position + count);
    if (end > file.m_written.size())
        file.m_written.resize(end);
    std::memcpy(file.m_written.data() + file.m_position, from, static_cast<std::size_t>(count));
    file.m_position += count;
    return count;
}

sf_count_t SndfileMemory::tell(void* user)
{
    return of(user).m_position;
}

} // namespace ondulix
