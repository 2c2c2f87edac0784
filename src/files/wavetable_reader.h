#pragma once

#include "files/byte_reader.h"

#include <vector>

// What tells a wavetable from other sound: Surge XT's own .wt file, and the two chunks that
// synthesizers put in a WAV file to give the frame length.
namespace ondulix {

// The longest frame taken: ample for any synthesizer's table, and a bound on the work.
inline constexpr int kLongestFrame = 65536;

struct SurgeWavetable
{
    std::vector<float> samples; // wave after wave, full scale +-1.0
    int waveSize = 0;
    int waveCount = 0;
    bool oneShot = false; // flag 1: a sample to be read as a recording, not a wavetable
};

// "vawt", then little-endian a uint32 wave size (a power of two, 2..4096), a uint16 wave count
// (1..512) and uint16 flags, then the waves: int16 with flag 4 (full scale 32768 with flag 8,
// 16384 otherwise, as older files have it), float32 otherwise. Bytes after the waves (flag 16's
// metadata) are not read. A one-shot's size need not be a power of two.
ReadResult<SurgeWavetable> readSurgeWavetable(Bytes bytes);
bool startsLikeSurgeWavetable(Bytes bytes);

// The frame length in a "clm " chunk's text: the number after "<!>", as in
// "<!>2048 01000000 wavetable (...)".
ReadResult<int> clmFrameLength(Bytes chunk);
// The frame length in a "srge" chunk: an int32 version, then an int32 frame length.
ReadResult<int> srgeFrameLength(Bytes chunk);

inline constexpr char kFrameLengthOutOfRange[] = "a frame length of 0 or over 65536";

} // namespace ondulix
