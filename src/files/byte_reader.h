#pragma once

#include "wave/read_result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ondulix {

// A file's bytes as the readers take them: the window and quenfer read the file whole, under a
// size limit, and hand the bytes in.
using Bytes = std::span<const std::uint8_t>;

inline Bytes bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Whatever declares how many bytes follow and then has fewer, or more than it may hold.
inline constexpr char kSizesDoNotAddUp[] = "a chunk or header whose sizes do not add up";

// A cursor over bytes that never reads past their end. A read that does not fit gives nothing
// and leaves the cursor where it was, so a reader checks each field once, where it reads it.
class ByteReader
{
public:
    explicit ByteReader(Bytes bytes)
        : m_bytes(bytes)
    { }

    std::size_t remaining() const { return m_bytes.size() - m_position; }

    std::optional<Bytes> take(std::size_t count)
    {
        if (count > remaining())
            return std::nullopt;
        const Bytes taken = m_bytes.subspan(m_position, count);
        m_position += count;
        return taken;
    }

    // Whether the next bytes are `tag`; they are taken when they are.
    bool takeTag(std::string_view tag)
    {
        if (tag.size() > remaining() || tag != textAt(m_position, tag.size()))
            return false;
        m_position += tag.size();
        return true;
    }

    // Takes the bytes up to and including the next `byte`; false when there is none.
    bool skipPast(std::uint8_t byte)
    {
        for (std::size_t at = m_position; at < m_bytes.size(); ++at) {
            if (m_bytes[at] == byte) {
                m_position = at + 1;
                return true;
            }
        }
        return false;
    }

    std::optional<std::uint32_t> u8() { return number(1, false); }
    std::optional<std::uint32_t> u16() { return number(2, false); }
    std::optional<std::uint32_t> u32() { return number(4, false); }
    std::optional<std::uint32_t> u32BigEndian() { return number(4, true); }
    std::optional<std::int32_t> i32()
    {
        const auto value = u32();
        return value ? std::optional(static_cast<std::int32_t>(*value)) : std::nullopt;
    }

private:
    std::string_view textAt(std::size_t at, std::size_t count) const
    {
        return {reinterpret_cast<const char*>(m_bytes.data()) + at, count};
    }

    std::optional<std::uint32_t> number(std::size_t size, bool bigEndian)
    {
        const auto field = take(size);
        if (!field)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            const std::size_t byte = bigEndian ? i : size - 1 - i;
            value = (value << 8) | (*field)[byte];
        }
        return value;
    }

    Bytes m_bytes;
    std::size_t m_position = 0;
};

} // namespace ondulix
