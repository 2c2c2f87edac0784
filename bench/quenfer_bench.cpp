#include "files/atomic_file.h"
#include "files/csv_writer.h"
#include "files/memory_image.h"
#include "files/wavetable_file.h"
#include "pattern/pattern_table.h"
#include "wave/number_text.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace ondulix;

namespace {

PatternTable fullTable()
{
    PatternTable table;
    for (int line = 1; line <= 32; ++line) {
        for (int sample = 0; sample < 32; ++sample)
            table.setCell(
                line, 2 + sample, generalForm(((line * 37 + sample * 11) % 1001 - 500) / 1000.0));
    }
    return table;
}

// The memory image of a full table, in memory: reading the cells, scaling, formatting.
void BM_MemoryImageText(benchmark::State& state)
{
    const PatternTable table = fullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(memoryImageText(table, {}, MemoryFormat::Readmemh, "table.csv"));
}
BENCHMARK(BM_MemoryImageText);

// A full table as a wavetable WAV, in memory: 65536 float samples through libsndfile.
void BM_WavetableWav(benchmark::State& state)
{
    const PatternTable table = fullTable();
    for (auto _ : state) {
        const WavetableBytes wav = wavWavetableBytes(table, kPatternLineCount);
        if (wav.failure) {
            state.SkipWithError(wav.failure->c_str());
            break;
        }
        benchmark::DoNotOptimize(wav.bytes.data());
    }
}
BENCHMARK(BM_WavetableWav)->Unit(benchmark::kMicrosecond);

// The export as the window and quenfer do it, the process aside: the WAV's bytes, then the
// atomic write to disk (wall time, which the disk's sync dominates).
void BM_ExportWavetableWav(benchmark::State& state)
{
    const PatternTable table = fullTable();
    const auto file = std::filesystem::temp_directory_path()
        / ("wavetable_bench_" + std::to_string(::getpid()) + ".wav");
    for (auto _ : state) {
        const WavetableBytes wav = wavWavetableBytes(table, kPatternLineCount);
        const auto failure = wav.failure ? wav.failure : writeFileAtomically(file, wav.bytes);
        if (failure) {
            state.SkipWithError(failure->c_str());
            break;
        }
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ExportWavetableWav)->Unit(benchmark::kMillisecond)->UseRealTime();

// The compiler as a new process from start to exit, reading a full 32-line CSV file and writing
// the output atomically.
void runQuenferProcesses(benchmark::State& state, std::vector<std::string> options)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("quenfer_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string csv = (folder / "full.csv").string();
    std::ofstream(csv, std::ios::binary) << csvText(fullTable());

    std::string program = QUENFER_PATH;
    options.insert(options.begin(), program);
    options.push_back(csv);
    options.push_back((folder / "full.out").string());
    std::vector<char*> arguments;
    for (std::string& argument : options)
        arguments.push_back(argument.data());
    arguments.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ)
            != 0) {
            state.SkipWithError("quenfer could not be started");
            break;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("quenfer failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}

// As the editor runs it: the readmemh image.
void BM_QuenferProcess(benchmark::State& state)
{
    runQuenferProcesses(state, {});
}
BENCHMARK(BM_QuenferProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// A full table exported as a wavetable WAV, from the CSV file to the file on disk.
void BM_QuenferWavProcess(benchmark::State& state)
{
    runQuenferProcesses(state, {"--format", "wav"});
}
BENCHMARK(BM_QuenferWavProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The X1-010's wave memory of a full table: 32 lines of 128 signed bytes, as readmemh (compare
// BM_QuenferProcess of the same run).
void BM_QuenferX1010Process(benchmark::State& state)
{
    runQuenferProcesses(state, {"--chip", "x1010"});
}
BENCHMARK(BM_QuenferX1010Process)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same, each line smooth at 128 points: the 15 harmonics evaluated at every point.
void BM_QuenferX1010SmoothProcess(benchmark::State& state)
{
    runQuenferProcesses(state, {"--chip", "x1010", "--resample", "smooth"});
}
BENCHMARK(BM_QuenferX1010SmoothProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// A WaveEdit bank of a full table: 64 waves of 256 16-bit samples, written by hand.
void BM_QuenferWaveEditProcess(benchmark::State& state)
{
    runQuenferProcesses(state, {"--format", "waveedit"});
}
BENCHMARK(BM_QuenferWaveEditProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
