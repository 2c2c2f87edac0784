#pragma once

#include "files/byte_source.h"
#include "files/tracker_wave_file.h"
#include "files/wavetable_reader.h"
#include "pattern/line_writes.h"
#include "pattern/pattern_table.h"
#include "sound/cycle_resampling.h"
#include "wave/long_work.h"
#include "wave/sample_set.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

// What a file brought in becomes: the current wave, or lines of the pattern table. The content
// decides, never the name.
namespace ondulix {

// What the audio library gives for a file it could decode.
struct DecodedAudio
{
    std::vector<float> samples; // one for each frame, its channels averaged; +-1.0 full scale
    int sampleRate = 0;
    // The data of the wavetable chunks, without their id and size, when the library showed them.
    // When it shows neither, the file's own chunk list is searched for both.
    std::optional<std::vector<std::uint8_t>> clmChunk;
    std::optional<std::vector<std::uint8_t>> srgeChunk;
};

// Decodes a file as audio, or says why it cannot ("not audio: ..."). It stops early where the
// work (when there is one) asks it to, and says how far it has got.
using AudioDecoder = std::function<ReadResult<DecodedAudio>(ByteSource&, LongWork*)>;

// Where the lines an import fills land, From to To, and how each wave comes to 32 points.
struct LineLanding
{
    int from = 1;
    int to = kPatternLineCount;
    CycleFit fit = CycleFit::Smooth;
};

// Either the current wave (a single cycle, a tracker wave) or lines of the table (a wavetable,
// a recording), in line order. Lines not named stay as they are.
struct ImportedWaves
{
    std::optional<Wave> currentWave;
    LineWrites lines; // as the default landing gives them, in Generate to Memory's form
    // For a recording or a wavetable of several frames: the lines for another landing. The
    // cycles or frames are chosen across From..To, the first and the last included; from more
    // frames than lines, evenly spread. Fast: the long work is done.
    std::function<LineWrites(const LineLanding&)> land;
};

// The largest file an import reads whole: a Surge wavetable of many waves, and still a bound on
// memory. Audio is read from the disk as it is decoded, whatever its size.
inline constexpr std::uintmax_t kLargestImportFile = std::uintmax_t {256} << 20;
// Small files are read whole: tracker waves and single cycles, which are told apart by layout.
inline constexpr std::uintmax_t kSmallImportFile = std::uintmax_t {1} << 20;

// Imports a file: a small one, or a Surge wavetable (up to 256 MiB), read whole, any other
// decoded as audio from the disk.
ReadResult<ImportedWaves> importFile(
    const std::filesystem::path& path, const AudioDecoder& decode, LongWork* work = nullptr);

// A Furnace or DefleMask wave or a Surge wavetable is read here; anything else goes to `decode`
// and then as importAudio says.
ReadResult<ImportedWaves> importWaves(
    Bytes file, const AudioDecoder& decode, LongWork* work = nullptr);

// Audio with a "clm " or "srge" chunk, or of exactly 16384 samples and neither, is a wavetable:
// frames of the marked length, or 64 of 256; a part frame at the end is left out. Otherwise up to
// 4096 samples are one cycle, for the current wave, and more a recording, whose cycles fill
// lines 1..32. `file` is searched for the chunks when the decoder showed none; it may be empty.
ReadResult<ImportedWaves> importAudio(
    DecodedAudio audio, ByteSource& file, LongWork* work = nullptr);
// The same, of a file held whole.
ReadResult<ImportedWaves> importAudio(DecodedAudio audio, Bytes file);

// A wave of 32 levels is taken as it is; any other length is resampled to 32 points.
ImportedWaves importTrackerWave(const TrackerWaveLevels& wave);
// Its waves as a wavetable; a one-shot as a recording.
ReadResult<ImportedWaves> importSurgeWavetable(const SurgeWavetable& table);

} // namespace ondulix
