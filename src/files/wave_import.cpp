#include "files/wave_import.h"

#include "files/chunk_list.h"

#include "files/whole_file.h"
#include "pattern/frame_choice.h"
#include "sound/cycle_resampling.h"
#include "sound/recording_cycles.h"
#include <array>

#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

// Full scale of a sound file, 1.0, is a sample of 500.
constexpr double kFullScale = kSampleMax;
constexpr std::size_t kLongestCycle = 4096;
// The layout of a common 64-wave bank, which carries no marker.
constexpr std::size_t kUnmarkedBankSize = 16384;
constexpr int kUnmarkedBankFrame = 256;
// A one-shot in a .wt file gives no rate; it is heard at the program's own.
constexpr int kOneShotRate = 48000;

ImportedWaves asLines(const std::vector<int>& lines, const std::vector<RealWave>& waves)
{
    const std::vector<Wave> fitted = fitTogether(waves);
    ImportedWaves imported;
    for (std::size_t i = 0; i < fitted.size(); ++i)
        imported.lines.push_back({lines[i], fitted[i]});
    return imported;
}

ReadResult<ImportedWaves> wavetable(std::span<const float> samples, int frameLength)
{
    const long long frames = static_cast<long long>(samples.size() / frameLength);
    if (frames == 0)
        return Refusal {"zero frames: the file is shorter than one frame of "
            + std::to_string(frameLength) + " samples"};
    const CycleResampler resample(frameLength);
    std::vector<int> lines;
    std::vector<RealWave> waves;
    for (const FramePick& pick : framesForLines(frames)) {
        lines.push_back(pick.line);
        waves.push_back(
            resample(samples.subspan(pick.frame * frameLength, frameLength), kFullScale));
    }
    return asLines(lines, waves);
}

ReadResult<ImportedWaves> recording(
    std::span<const float> samples, int sampleRate, LongWork* work = nullptr)
{
    if (sampleRate <= 0)
        return Refusal {"a sample rate of " + std::to_string(sampleRate) + " Hz"};
    const auto cycles = recordingCycles(samples, sampleRate, kFullScale, work);
    if (!cycles)
        return Refusal {"no pitch was found: the recording holds no steady tone"};
    std::vector<int> lines(cycles->size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = static_cast<int>(i) + 1;
    return asLines(lines, *cycles);
}

// The chunk as the decoder showed it, or as the file's chunk list has it when it showed neither.
ReadResult<std::optional<std::vector<std::uint8_t>>> markerChunk(
    const std::optional<std::vector<std::uint8_t>>& shown, bool noneShown, ByteSource& file,
    std::string_view id)
{
    if (shown)
        return shown;
    if (noneShown)
        return findChunk(file, id);
    return std::nullopt;
}

// The frame length that a "clm " chunk gives, or else a "srge" chunk; nothing without either.
ReadResult<std::optional<int>> markedFrameLength(const DecodedAudio& audio, ByteSource& file)
{
    struct Marker
    {
        const std::optional<std::vector<std::uint8_t>>& shown;
        std::string_view id;
        ReadResult<int> (*frameLength)(Bytes);
    };
    const bool noneShown = !audio.clmChunk && !audio.srgeChunk;
    for (const Marker& marker : {Marker {audio.clmChunk, "clm ", clmFrameLength},
             Marker {audio.srgeChunk, "srge", srgeFrameLength}}) {
        const auto chunk = markerChunk(marker.shown, noneShown, file, marker.id);
        if (const Refusal* refusal = refusalIn(chunk))
            return *refusal;
        const auto& data = std::get<std::optional<std::vector<std::uint8_t>>>(chunk);
        if (!data)
            continue;
        const auto length = marker.frameLength(Bytes(*data));
        if (const Refusal* refusal = refusalIn(length))
            return *refusal;
        return std::optional<int>(std::get<int>(length));
    }
    return std::nullopt;
}

} // namespace

ReadResult<ImportedWaves> importAudio(const DecodedAudio& audio, ByteSource& file, LongWork* work)
{
    const std::span<const float> samples = audio.samples;
    if (samples.empty())
        return Refusal {"zero frames"};
    if (!std::all_of(samples.begin(), samples.end(), [](float x) { return std::isfinite(x); }))
        return Refusal {"a NaN or infinite sample"};
    const auto marked = markedFrameLength(audio, file);
    if (const Refusal* refusal = refusalIn(marked))
        return *refusal;
    if (const auto& frameLength = std::get<std::optional<int>>(marked))
        return wavetable(samples, *frameLength);
    if (samples.size() == kUnmarkedBankSize)
        return wavetable(samples, kUnmarkedBankFrame);
    if (samples.size() <= kLongestCycle)
        return ImportedWaves {fitToFullScale(resampleCycle(samples, kFullScale)), {}};
    return recording(samples, audio.sampleRate, work);
}

ReadResult<ImportedWaves> importAudio(const DecodedAudio& audio, Bytes file)
{
    MemoryBytes bytes(file);
    return importAudio(audio, bytes);
}

ImportedWaves importTrackerWave(const TrackerWaveLevels& wave)
{
    const std::vector<int> samples = trackerWaveSamples(wave);
    if (samples.size() == kSampleCount) {
        Wave taken {};
        std::copy(samples.begin(), samples.end(), taken.begin());
        return {taken, {}};
    }
    const std::vector<float> cycle(samples.begin(), samples.end());
    return {fitToFullScale(resampleCycle(cycle, 1.0)), {}};
}

ReadResult<ImportedWaves> importSurgeWavetable(const SurgeWavetable& table)
{
    if (table.oneShot)
        return recording(table.samples, kOneShotRate);
    return wavetable(table.samples, table.waveSize);
}

namespace {

ReadResult<ImportedWaves> decodeAndImport(
    ByteSource& file, const AudioDecoder& decode, LongWork* work)
{
    const auto audio = decode(file, work);
    if (const Refusal* refusal = refusalIn(audio))
        return *refusal;
    return importAudio(std::get<DecodedAudio>(audio), file, work);
}

} // namespace

ReadResult<ImportedWaves> importWaves(Bytes file, const AudioDecoder& decode, LongWork* work)
{
    const auto tracker
        = [](const ReadResult<TrackerWaveLevels>& read) -> ReadResult<ImportedWaves> {
        if (const Refusal* refusal = refusalIn(read))
            return *refusal;
        return importTrackerWave(std::get<TrackerWaveLevels>(read));
    };
    if (startsLikeFurnaceWave(file))
        return tracker(readFurnaceWave(file));
    if (hasDefleMaskWaveLayout(file))
        return tracker(readDefleMaskWave(file));
    if (startsLikeSurgeWavetable(file)) {
        const auto table = readSurgeWavetable(file);
        if (const Refusal* refusal = refusalIn(table))
            return *refusal;
        return importSurgeWavetable(std::get<SurgeWavetable>(table));
    }
    MemoryBytes source(file);
    return decodeAndImport(source, decode, work);
}

ReadResult<ImportedWaves> importFile(
    const std::filesystem::path& path, const AudioDecoder& decode, LongWork* work)
{
    auto opened = FileBytes::open(path);
    if (const Refusal* refusal = refusalIn(opened))
        return *refusal;
    FileBytes& file = *std::get<std::unique_ptr<FileBytes>>(opened);
    std::array<std::uint8_t, 4> start {};
    file.readAt(0, start.data(), start.size());
    if (file.size() > kSmallImportFile && !startsLikeSurgeWavetable(Bytes(start)))
        return decodeAndImport(file, decode, work);
    if (file.size() > kLargestImportFile)
        return Refusal {"a file over 256 MiB"};
    const WholeFile whole = readWholeFile(path, kLargestImportFile);
    if (!whole.bytes)
        return Refusal {whole.failure};
    return importWaves(bytesOf(*whole.bytes), decode, work);
}

} // namespace ondulix
