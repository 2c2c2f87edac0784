#include "files/sndfile_decoder.h"
#include "files/wave_import.h"

#include <benchmark/benchmark.h>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace ondulix;

constexpr int kRate = 48000;
constexpr int kFrameLength = 2048;
constexpr int kFrames = 256;

// A table whose frames move from a sine towards a saw, as synthesizers' tables do.
std::vector<float> wavetableSamples()
{
    std::vector<float> samples(std::size_t(kFrameLength) * kFrames);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double phase = 2 * std::numbers::pi * (i % kFrameLength) / kFrameLength;
        const double blend = double(i / kFrameLength) / kFrames;
        samples[i]
            = float(0.5 * ((1 - blend) * std::sin(phase) + blend * (phase / std::numbers::pi - 1)));
    }
    return samples;
}

// A played note: 220 Hz with a slow vibrato and a few harmonics that fade.
std::vector<float> recordedNote(double seconds)
{
    std::vector<float> samples(std::size_t(seconds * kRate));
    double phase = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * std::numbers::pi * 220 * (1 + 0.01 * std::sin(2 * std::numbers::pi * 5 * t))
            / kRate;
        const double brightness = std::exp(-t / 3);
        samples[i] = float(0.4
            * (std::sin(phase)
                + brightness * (0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase))));
    }
    return samples;
}

// The logic of a wavetable WAV, once decoded: the marker, the choice of 32 frames, resampling
// and the level.
void BM_ImportWavWavetable2048x256(benchmark::State& state)
{
    const std::string clm = "<!>2048 00000000 wavetable";
    const DecodedAudio audio {
        wavetableSamples(), kRate, std::vector<std::uint8_t>(clm.begin(), clm.end()), {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(importAudio(audio, {}));
}
BENCHMARK(BM_ImportWavWavetable2048x256)->Unit(benchmark::kMillisecond);

// A Surge .wt of the same size from its bytes: the hand-written decoding is in it.
void BM_ImportSurgeWavetable2048x256(benchmark::State& state)
{
    std::string bytes = "vawt";
    for (const std::uint32_t field : {std::uint32_t(kFrameLength), std::uint32_t(kFrames)})
        bytes.append(reinterpret_cast<const char*>(&field), field == kFrameLength ? 4 : 2);
    bytes.append(2, '\0');
    for (const float sample : wavetableSamples())
        bytes.append(reinterpret_cast<const char*>(&sample), 4);
    const AudioDecoder none
        = [](ByteSource&, LongWork*) -> ReadResult<DecodedAudio> { return Refusal {"not audio"}; };
    for (auto _ : state)
        benchmark::DoNotOptimize(importWaves(bytesOf(bytes), none));
}
BENCHMARK(BM_ImportSurgeWavetable2048x256)->Unit(benchmark::kMillisecond);

// Ten seconds at 48 kHz, once decoded: the pitch over time, then 32 cycles cut and resampled.
void BM_ImportRecordingTenSeconds(benchmark::State& state)
{
    const DecodedAudio audio {recordedNote(10), kRate, {}, {}};
    if (refusalIn(importAudio(audio, {})))
        state.SkipWithError("the note was refused");
    for (auto _ : state)
        benchmark::DoNotOptimize(importAudio(audio, {}));
}
BENCHMARK(BM_ImportRecordingTenSeconds)->Unit(benchmark::kMillisecond);

// The slowest ten seconds: noise, where every estimate searches all lags and finds none.
void BM_ImportNoiseTenSeconds(benchmark::State& state)
{
    DecodedAudio audio {std::vector<float>(10 * kRate), kRate, {}, {}};
    std::mt19937 random(1);
    std::uniform_real_distribution<float> level(-0.5f, 0.5f);
    for (float& sample : audio.samples)
        sample = level(random);
    for (auto _ : state)
        benchmark::DoNotOptimize(importAudio(audio, {}));
}
BENCHMARK(BM_ImportNoiseTenSeconds)->Unit(benchmark::kMillisecond);

// A mono 32-bit float WAV file in the temporary folder, with one more chunk before the data when
// given; removed when the benchmark ends.
class WavFile
{
public:
    WavFile(const char* name, const std::vector<float>& samples, const std::string& chunk = {})
        : m_path(std::filesystem::temp_directory_path() / name)
    {
        const auto u32
            = [](std::uint32_t v) { return std::string(reinterpret_cast<char*>(&v), 4); };
        const std::string data(
            reinterpret_cast<const char*>(samples.data()), samples.size() * sizeof(float));
        const std::string body = "WAVEfmt " + u32(16) + std::string("\3\0\1\0", 4) + u32(kRate)
            + u32(4 * kRate) + std::string("\4\0\x20\0", 4) + chunk + "data" + u32(data.size())
            + data;
        std::ofstream(m_path, std::ios::binary) << "RIFF" << u32(body.size()) << body;
    }
    ~WavFile() { std::filesystem::remove(m_path); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void importFromDisk(benchmark::State& state, const WavFile& file)
{
    if (refusalIn(importFile(file.path(), decodeWithSndfile)))
        state.SkipWithError("the file was refused");
    for (auto _ : state)
        benchmark::DoNotOptimize(importFile(file.path(), decodeWithSndfile));
}

// What the user waits for: the file read from disk (from the page cache after the first
// round), decoded by libsndfile, its clm chunk found, and then as above.
void BM_ImportWavFileWavetable2048x256(benchmark::State& state)
{
    const std::string clm = "<!>2048 00000000 wavetable";
    importFromDisk(state,
        WavFile("ondulix_bench_table.wav", wavetableSamples(),
            "clm " + std::string {char(clm.size()), 0, 0, 0} + clm));
}
BENCHMARK(BM_ImportWavFileWavetable2048x256)->Unit(benchmark::kMillisecond);

void BM_ImportWavFileRecordingTenSeconds(benchmark::State& state)
{
    importFromDisk(state, WavFile("ondulix_bench_note.wav", recordedNote(10)));
}
BENCHMARK(BM_ImportWavFileRecordingTenSeconds)->Unit(benchmark::kMillisecond);

// A mono 16-bit PCM WAV file of a played note, `minutes` long, written a block at a time.
std::filesystem::path noteFile(const char* name, double minutes)
{
    const auto path = std::filesystem::temp_directory_path() / name;
    const auto frames = static_cast<std::uint32_t>(minutes * 60 * kRate);
    const auto u32 = [](std::uint32_t v) { return std::string(reinterpret_cast<char*>(&v), 4); };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF" << u32(36 + 2 * frames) << "WAVEfmt " << u32(16) << std::string("\1\0\1\0", 4)
        << u32(kRate) << u32(2 * kRate) << std::string("\2\0\x10\0", 4) << "data"
        << u32(2 * frames);
    const std::vector<float> second = recordedNote(1);
    std::vector<std::int16_t> block(second.size());
    for (std::size_t i = 0; i < second.size(); ++i)
        block[i] = static_cast<std::int16_t>(second[i] * 32767);
    for (std::uint32_t done = 0; done < frames; done += kRate)
        out.write(reinterpret_cast<const char*>(block.data()),
            2 * std::min<std::streamsize>(kRate, frames - done));
    return path;
}

// Ten minutes of a 48 kHz mono WAV, decoded as the import's worker decodes it: from the disk (the
// page cache after the first round), a block at a time, into 4 bytes a frame.
void BM_DecodeTenMinutesOfWav(benchmark::State& state)
{
    const auto path = noteFile("ondulix_bench_ten_minutes.wav", 10);
    for (auto _ : state) {
        auto file = FileBytes::open(path);
        benchmark::DoNotOptimize(decodeWithSndfile(*std::get<std::unique_ptr<FileBytes>>(file)));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DecodeTenMinutesOfWav)->Unit(benchmark::kMillisecond)->Iterations(3);

// The longest file an import takes, 20 minutes at 48 kHz, imported whole (decoded, its pitch
// followed, 32 cycles cut) in a process of its own: how much its peak memory grew, beyond the 4
// bytes a frame the samples take.
void BM_ImportTwentyMinutesPeakMemory(benchmark::State& state)
{
    const auto path = noteFile("ondulix_bench_twenty_minutes.wav", 20);
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            rusage before {};
            getrusage(RUSAGE_SELF, &before);
            const bool taken = !refusalIn(importFile(path, decodeWithSndfile));
            rusage after {};
            getrusage(RUSAGE_SELF, &after);
            const long overMiB
                = ((after.ru_maxrss - before.ru_maxrss) * 1024L - 4L * 20 * 60 * kRate) >> 20;
            _exit(taken ? static_cast<int>(std::clamp(overMiB, 0L, 254L)) : 255);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (WEXITSTATUS(status) == 255)
            state.SkipWithError("the file was refused");
        state.counters["MiB beyond 4 B a frame"] = WEXITSTATUS(status);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportTwentyMinutesPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
