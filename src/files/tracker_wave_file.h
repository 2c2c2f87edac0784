#pragma once

#include "files/byte_reader.h"
#include "wave/sample_set.h"

#include <span>
#include <string>
#include <vector>

// The wave files of two chiptune trackers, Furnace (.fuw) and DefleMask (.dmw): one wave as
// whole-number levels 0..top, all little-endian.
namespace ondulix {

struct TrackerWaveLevels
{
    std::vector<int> levels; // 1..256 of them, each 0..top
    int top = 0; // 1..255
};

// "-Furnace waveta-", a uint16 version (any) and a uint16 reserved; then a block: "WAVE", a
// uint32 size, a name ending in NUL, the int32 fields length, lowest level (0) and top, and
// `length` int32 levels.
ReadResult<TrackerWaveLevels> readFurnaceWave(Bytes bytes);
bool startsLikeFurnaceWave(Bytes bytes);

// An int32 length and a byte top; a top of 255 marks the long form, which goes on with a
// version byte, the real top and int32 levels. Otherwise `length` byte levels follow. Either
// way the file ends with the last level: DefleMask's files carry no mark of their own, so their
// exact size is what tells them from other files.
ReadResult<TrackerWaveLevels> readDefleMaskWave(Bytes bytes);
bool hasDefleMaskWaveLayout(Bytes bytes);

// The samples the levels stand for: level x 1000 / top - 500, rounded half to even, so 0 is
// -500 and the top level 500, as the tracker text forms read at any depth.
std::vector<int> trackerWaveSamples(const TrackerWaveLevels& wave);

enum class TrackerWaveFormat
{
    Furnace,
    DefleMask
};

inline constexpr int kTrackerFileLeastBits = 1;
inline constexpr int kTrackerFileMostBits = 8;

// The wave at 2^bits levels, each sample v as (v + 500) x (2^bits - 1) / 1000 rounded half to
// even. Furnace's file has version 200, an empty name, length 32, lowest level 0 and top
// 2^bits - 1. DefleMask's has the short form below 8 bits and the long form (version 1) at 8.
// Throws std::invalid_argument for bits outside 1..8, which the callers' options rule out.
std::string trackerWaveFileBytes(const Wave& wave, int bits, TrackerWaveFormat format);
// Levels 0..top of any length 1..256 (a chip's wave of 64 or 128), top 1..255, in either file.
// DefleMask's file holds every such shape: the long form takes over at the top 255.
std::string trackerWaveFileBytes(std::span<const int> levels, int top, TrackerWaveFormat format);

// Dn-FamiTracker's instrument file (.fti, version 2.4) of an N163 instrument holding `waves`
// waves of 32 levels 0..15 (line after line in `levels`), at wave position 0 and with no
// sequence: "FTI2.4", the type 5, the name (int32 length and its bytes), 5 sequences each off
// (a byte 5, five bytes 0), then the int32 wave size 32, position 0 and count, and a byte a level.
std::string famiTrackerN163Bytes(std::span<const int> levels, int waves, const std::string& name);

} // namespace ondulix
