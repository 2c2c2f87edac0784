#pragma once

#include "files/wave_import.h"

// Audio files of every format libsndfile reads (WAV, AIFF, FLAC, Ogg Vorbis, Opus and more),
// decoded for an import.
namespace ondulix {

// The file's frames as floats at +-1.0 full scale, its channels averaged to one, its sample
// rate, and the data of its "clm " and "srge" chunks when libsndfile shows them. A file the
// library does not take is "not audio", with the library's reason.
ReadResult<DecodedAudio> decodeWithSndfile(Bytes file);

} // namespace ondulix
