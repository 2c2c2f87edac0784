#pragma once

#include "files/wave_import.h"

// Audio files of every format libsndfile reads (WAV, AIFF, FLAC, Ogg Vorbis, Opus and more),
// decoded for an import.
namespace ondulix {

// The longest sound an import takes, as its header gives it: beyond, it is refused before it is
// decoded, with its length and the limit. What it takes costs 4 bytes a frame.
inline constexpr double kLongestImportSeconds = 20 * 60;
inline constexpr std::int64_t kMostImportFrames = std::int64_t {64} << 20;

// The file's frames as floats at +-1.0 full scale, its channels averaged to one, its sample
// rate, and the data of its "clm " and "srge" chunks when libsndfile shows them. A file the
// library does not take is "not audio", with the library's reason. The bytes are read as they
// are decoded, a block at a time; between blocks the work may stop it, and hears how far it got.
ReadResult<DecodedAudio> decodeWithSndfile(ByteSource& file, LongWork* work = nullptr);

} // namespace ondulix
