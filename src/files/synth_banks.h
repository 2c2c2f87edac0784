#pragma once

#include "files/target_waves.h"
#include "pattern/pattern_table.h"

#include <string>

// The table for the modules and synthesizers that read banks of their own: a WaveEdit bank and
// a Vital wavetable. Each takes lines 1 to `lines`, each carried to the length it plays.
namespace ondulix {

inline constexpr int kWaveEditWaves = 64;
inline constexpr int kWaveEditWaveLength = 256;

// WaveEdit's bank: a WAV of exactly WaveEdit's own layout, a 44-byte header (PCM, mono, 16 bits,
// 44100 Hz) and 64 waves of 256 samples, for WaveEdit reads its banks from byte 44 on. Wave k
// is line floor(k x lines / 64) + 1; a sample v is v x 32767 / 500, rounded half to even.
std::string waveEditBankBytes(const PatternTable& table, int lines, Resampling how);

// Vital's own wavetable file (.vitaltable): the JSON text its wavetable editor saves, one
// "Wave Source" with a keyframe for each line, not blended, the lines spread over Vital's 256
// frame positions as Vital spreads its own shapes. Each keyframe's "wave_data" is its 2048
// samples, v / 500, as float32 little-endian in base64. Vital names a loaded table after its
// file; `name` is what other readers see.
std::string vitalTableText(
    const PatternTable& table, int lines, Resampling how, const std::string& name);

} // namespace ondulix
