#include "files/sndfile_memory.h"

#include <algorithm>
#include <cstring>

namespace ondulix {

SF_VIRTUAL_IO SndfileMemory::io()
{
    return {length, seek, read, write, tell};
}

sf_count_t SndfileMemory::size() const
{
    return static_cast<sf_count_t>(m_writing ? m_written.size() : m_read->size());
}

sf_count_t SndfileMemory::length(void* user)
{
    return of(user).size();
}

sf_count_t SndfileMemory::seek(sf_count_t offset, int whence, void* user)
{
    SndfileMemory& file = of(user);
    const sf_count_t base = whence == SEEK_CUR ? file.m_position
        : whence == SEEK_END                   ? file.size()
                                               : 0;
    if (base + offset < 0)
        return -1;
    file.m_position = base + offset;
    return file.m_position;
}

sf_count_t SndfileMemory::read(void* to, sf_count_t count, void* user)
{
    SndfileMemory& file = of(user);
    const sf_count_t wanted = std::clamp<sf_count_t>(file.size() - file.m_position, 0, count);
    if (wanted <= 0)
        return 0;
    sf_count_t taken = wanted;
    if (file.m_writing)
        std::memcpy(to, file.m_written.data() + file.m_position, static_cast<std::size_t>(wanted));
    else
        taken = static_cast<sf_count_t>(file.m_read->readAt(
            static_cast<std::uint64_t>(file.m_position), to, static_cast<std::size_t>(wanted)));
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
