#pragma once

#include "files/byte_source.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ondulix {

// The data of the chunk `id` (four characters, such as "clm ") in a RIFF or RIFX (WAV) or FORM
// (AIFF, AIFC) file, read from the file's own chunk list for where the audio library does not
// show a chunk. Nothing when the file is none of these or has no such chunk; a refusal when the
// chunk is there but its size runs past the end of the file. Only the chunks' headers and the
// one found are read, so a long recording on disk costs a few reads.
//
// The list is walked defensively: the outer size is not trusted (writers often get it wrong),
// chunks are padded to an even size, and the walk ends at the first chunk whose size runs past
// the end, since nothing after it can be found.
ReadResult<std::optional<std::vector<std::uint8_t>>> findChunk(
    ByteSource& file, std::string_view id);

} // namespace ondulix
