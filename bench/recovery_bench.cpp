#include "files/atomic_file.h"
#include "files/recovery_file.h"
#include "pattern/line_waves.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace ondulix;

KeptWork fullTable()
{
    KeptWork work;
    for (int line = 1; line <= kPatternLineCount; ++line) {
        Wave wave {};
        for (int i = 0; i < kSampleCount; ++i)
            wave[i] = (line * 37 + i * 101) % 1001 - 500;
        storeWave(wave, line, work.table);
    }
    work.written = "2026-12-08 00:00:00";
    return work;
}

// What the window's thread does for a recovery file, once a second at most: the text of the
// whole table. The write itself goes to the writer's thread.
void BM_RecoveryTextOfAFullTable(benchmark::State& state)
{
    const KeptWork work = fullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(keptWorkText(work));
}
BENCHMARK(BM_RecoveryTextOfAFullTable)->Unit(benchmark::kMicrosecond);

// What the writer's thread does with it: the atomic write, the file and its folder synced.
void BM_RecoveryWriteOfAFullTable(benchmark::State& state)
{
    const std::string text = keptWorkText(fullTable());
    const auto path = std::filesystem::temp_directory_path() / "ondulix_bench.recovery";
    for (auto _ : state)
        benchmark::DoNotOptimize(writeFileAtomically(path, text));
    std::filesystem::remove(path);
}
BENCHMARK(BM_RecoveryWriteOfAFullTable)->Unit(benchmark::kMillisecond);

} // namespace
