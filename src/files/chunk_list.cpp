#include "files/chunk_list.h"

namespace ondulix {

namespace {

constexpr std::size_t kIdSize = 4;

struct ListForm
{
    std::string_view id;
    bool bigEndian;
};

constexpr ListForm kListForms[] = {{"RIFF", false}, {"RIFX", true}, {"FORM", true}};

} // namespace

ReadResult<std::optional<Bytes>> findChunk(Bytes file, std::string_view id)
{
    ByteReader in(file);
    const ListForm* form = nullptr;
    for (const ListForm& candidate : kListForms) {
        // Taking a tag moves past it: the next candidate would be read from the outer size.
        if (in.takeTag(candidate.id)) {
            form = &candidate;
            break;
        }
    }
    // The outer size and the form type ("WAVE", "AIFF", ...).
    if (!form || !in.take(2 * kIdSize))
        return std::nullopt;
    while (in.remaining() >= 2 * kIdSize) {
        const Bytes chunkId = *in.take(kIdSize);
        const std::uint32_t size = form->bigEndian ? *in.u32BigEndian() : *in.u32();
        const bool wanted
            = std::string_view(reinterpret_cast<const char*>(chunkId.data()), kIdSize) == id;
        const auto data = in.take(size);
        if (wanted)
            return data ? ReadResult<std::optional<Bytes>>(data) : Refusal {kSizesDoNotAddUp};
        if (!data)
            return std::nullopt;
        if (size % 2 != 0)
            in.take(1);
    }
    return std::nullopt;
}

} // namespace ondulix
