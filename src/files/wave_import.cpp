#include "files/wave_import.h"

#include "files/chunk_list.h"
#include "files/whole_file.h"
#include "pattern/frame_choice.h"
#include "sound/cycle_resampling.h"
#include "sound/recording_cycles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

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

using Samples = std::shared_ptr<const std::vector<float>>;

LineWrites asLines(const std::vector<int>& lines, const std::vector<RealWave>& waves)
{
    const std::vector<Wave> fitted = fitTogether(waves);
    LineWrites writes;
    for (std::size_t i = 0; i < fitted.size(); ++i)
        writes.push_back({lines[i], fitted[i]});
    return writes;
}

int lineCountOf(const LineLanding& landing)
{
    return std::clamp(landing.to, landing.from, kPatternLineCount) - landing.from + 1;
}

// The lines for the default landing now; the other landings, when asked, from the same samples.
ImportedWaves landed(std::function<LineWrites(const LineLanding&)> land)
{
    ImportedWaves imported;
    imported.lines = land(LineLanding {});
    imported.land = std::move(land);
    return imported;
}

ReadResult<ImportedWaves> wavetable(Samples samples, int frameLength)
{
    const long long frames = static_cast<long long>(samples->size() / frameLength);
    if (frames == 0)
        return Refusal {"zero frames: the file is shorter than one frame of "
            + std::to_string(frameLength) + " samples"};
    auto land = [samples, frameLength, frames](const LineLanding& landing) {
        const CycleResampler resample(frameLength);
        std::vector<int> lines;
        std::vector<RealWave> waves;
        for (const FramePick& pick : framesForLines(frames, lineCountOf(landing))) {
            lines.push_back(landing.from + pick.line - 1);
            const auto frame = std::span(*samples).subspan(pick.frame * frameLength, frameLength);
            waves.push_back(landing.fit == CycleFit::Plain
                    ? meanCycleAt(frame, 0, frameLength, kFullScale)
                    : resample(frame, kFullScale));
        }
        return asLines(lines, waves);
    };
    // One frame lands in line 1 without a question.
    if (frames == 1)
        return ImportedWaves {std::nullopt, land(LineLanding {}), {}};
    return landed(std::move(land));
}

ReadResult<ImportedWaves> recording(Samples samples, int sampleRate, LongWork* work = nullptr)
{
    if (sampleRate <= 0)
        return Refusal {"a sample rate of " + std::to_string(sampleRate) + " Hz"};
    auto part = pitchedPart(*samples, sampleRate, work);
    if (!part)
        return Refusal {"no pitch was found: the recording holds no steady tone"};
    return landed([samples, part = std::move(*part)](const LineLanding& landing) {
        const int count = lineCountOf(landing);
        std::vector<int> lines(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            lines[static_cast<std::size_t>(i)] = landing.from + i;
        return asLines(lines, cyclesOf(*samples, part, count, kFullScale, landing.fit));
    });
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

ReadResult<ImportedWaves> importAudio(DecodedAudio audio, ByteSource& file, LongWork* work)
{
    const std::span<const float> samples = audio.samples;
    if (samples.empty())
        return Refusal {"zero frames"};
    if (!std::all_of(samples.begin(), samples.end(), [](float x) { return std::isfinite(x); }))
        return Refusal {"a NaN or infinite sample"};
    const auto marked = markedFrameLength(audio, file);
    if (const Refusal* refusal = refusalIn(marked))
        return *refusal;
    if (samples.size() <= kLongestCycle && !std::get<std::optional<int>>(marked)
        && samples.size() != kUnmarkedBankSize)
        return ImportedWaves {fitToFullScale(resampleCycle(samples, kFullScale)), {}, {}};
    // Kept for the landings the user may still ask for, never copied.
    const auto kept = std::make_shared<const std::vector<float>>(std::move(audio.samples));
    if (const auto& frameLength = std::get<std::optional<int>>(marked))
        return wavetable(kept, *frameLength);
    if (kept->size() == kUnmarkedBankSize)
        return wavetable(kept, kUnmarkedBankFrame);
    return recording(kept, audio.sampleRate, work);
}

ReadResult<ImportedWaves> importAudio(DecodedAudio audio, Bytes file)
{
    MemoryBytes bytes(file);
    return importAudio(std::move(audio), bytes);
}

ImportedWaves importTrackerWave(const TrackerWaveLevels& wave)
{
    const std::vector<int> samples = trackerWaveSamples(wave);
    if (samples.size() == kSampleCount) {
        Wave taken {};
        std::copy(samples.begin(), samples.end(), taken.begin());
        return {taken, {}, {}};
    }
    const std::vector<float> cycle(samples.begin(), samples.end());
    return {fitToFullScale(resampleCycle(cycle, 1.0)), {}, {}};
}

ReadResult<ImportedWaves> importSurgeWavetable(const SurgeWavetable& table)
{
    const auto samples = std::make_shared<const std::vector<float>>(table.samples);
    if (table.oneShot)
        return recording(samples, kOneShotRate);
    return wavetable(samples, table.waveSize);
}

namespace {

ReadResult<ImportedWaves> decodeAndImport(
    ByteSource& file, const AudioDecoder& decode, LongWork* work)
{
    auto audio = decode(file, work);
    if (const Refusal* refusal = refusalIn(audio))
        return *refusal;
    return importAudio(std::get<DecodedAudio>(std::move(audio)), file, work);
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
