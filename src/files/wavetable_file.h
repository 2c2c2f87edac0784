#pragma once

#include "files/target_waves.h"
#include "pattern/pattern_table.h"

#include <optional>
#include <string>
#include <vector>

// Wavetables for software synthesizers: the table's lines as single-cycle waves, a sample value
// v as v / 500, so that +-500 is full scale +-1.0. A wavetable holds lines 1 to N, one frame a
// line: by default N is the last line that holds a sound, so that a synthesizer never sweeps
// into silent lines past the end.
namespace ondulix {

enum class WavetableFormat
{
    Wav, // 32 frames of 2048 samples with a "clm " chunk: Serum, Vital, Bitwig, Surge XT
    SurgeWt // Surge XT's own: the 32 x 32 samples exactly, no resampling
};

inline constexpr int kWavetableFrameLength = 2048;
inline constexpr int kWavetableSampleRate = 48000;
// Tells the synthesizers the frame length, and that frames are not to be blended.
inline constexpr char kClmChunkText[] = "<!>2048 00000000 wavetable (Ondulix)";

// Why a table with no sound makes no wavetable.
inline constexpr char kNoSoundRefusal[]
    = "the table holds no sound: every sample of every line is 0";

// The frames a wavetable of the table holds by default: up to its last line that holds a
// sound, or 0 when none does.
int soundingFrames(const PatternTable& table);

// The samples of lines 1 to `frames` (1..32), line by line, each scaled to -1.0 .. +1.0. A cell
// counts as the sample it pages in as.
std::vector<float> wavetableSamples(const PatternTable& table, int frames);

// "vawt", the wave size 32 (uint32), the wave count `frames` and the flags 0 (uint16 each),
// then the samples as float32; all little-endian.
std::string surgeWavetableBytes(const PatternTable& table, int frames);

struct WavetableBytes
{
    std::string bytes;
    std::optional<std::string> failure; // what went wrong; then `bytes` means nothing
};

// A mono 32-bit float WAV at 48000 Hz: each line becomes a frame of 2048 samples in which each
// of its 32 samples is held 64 times, so the frames step exactly as the wave does. The frame
// count is the data's length over 2048, as the synthesizers read it. Smooth, each frame is its
// line at 2048 points instead (files/target_waves.h).
WavetableBytes wavWavetableBytes(
    const PatternTable& table, int frames, Resampling how = Resampling::Hold);

// `frames` 0 takes soundingFrames(); a table with no sound is then refused with
// kNoSoundRefusal.
WavetableBytes wavetableBytes(const PatternTable& table, WavetableFormat format, int frames = 0,
    Resampling how = Resampling::Hold);

} // namespace ondulix
