#include "files/chunk_list.h"

#include <array>

namespace ondulix {

namespace {

constexpr std::size_t kIdSize = 4;
constexpr std::size_t kHeaderSize = 2 * kIdSize;

struct ListForm
{
    std::string_view id;
    bool bigEndian;
};

constexpr ListForm kListForms[] = {{"RIFF", false}, {"RIFX", true}, {"FORM", true}};

std::uint32_t u32(const std::uint8_t* b, bool bigEndian)
{
    return bigEndian
        ? std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3]
        : std::uint32_t(b[3]) << 24 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[1]) << 8 | b[0];
}

std::string_view idOf(const std::array<std::uint8_t, kHeaderSize>& header)
{
    return {reinterpret_cast<const char*>(header.data()), kIdSize};
}

} // namespace

ReadResult<std::optional<std::vector<std::uint8_t>>> findChunk(
    ByteSource& file, std::string_view id)
{
    using Found = ReadResult<std::optional<std::vector<std::uint8_t>>>;
    std::array<std::uint8_t, kHeaderSize> header {};
    // The outer id and size, then the form type ("WAVE", "AIFF", ...).
    if (file.readAt(0, header.data(), kHeaderSize) < kHeaderSize || file.size() < 3 * kIdSize)
        return std::nullopt;
    const ListForm* form = nullptr;
    for (const ListForm& candidate : kListForms) {
        if (idOf(header) == candidate.id) {
            form = &candidate;
            break;
        }
    }
    if (!form)
        return std::nullopt;
    for (std::uint64_t at = 3 * kIdSize; at + kHeaderSize <= file.size();) {
        if (file.readAt(at, header.data(), kHeaderSize) < kHeaderSize)
            return std::nullopt;
        const std::uint32_t size = u32(header.data() + kIdSize, form->bigEndian);
        const std::uint64_t data = at + kHeaderSize;
        const bool fits = data + size <= file.size();
        if (idOf(header) == id) {
            if (!fits)
                return Found(Refusal {kSizesDoNotAddUp});
            std::vector<std::uint8_t> bytes(size);
            file.readAt(data, bytes.data(), size);
            return Found(std::optional(std::move(bytes)));
        }
        if (!fits)
            return std::nullopt;
        at = data + size + size % 2;
    }
    return std::nullopt;
}

} // namespace ondulix
