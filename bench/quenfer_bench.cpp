#include "files/csv_writer.h"
#include "files/memory_image.h"
#include "pattern/pattern_table.h"
#include "wave/number_text.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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
        benchmark::DoNotOptimize(memoryImageText(table, {}));
}
BENCHMARK(BM_MemoryImageText);

// The whole compiler as the editor runs it: a new process from start to exit, reading a full
// 32-line CSV file and writing the image atomically.
void BM_QuenferProcess(benchmark::State& state)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("quenfer_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string csv = (folder / "full.csv").string();
    const std::string mem = (folder / "full.mem").string();
    std::ofstream(csv, std::ios::binary) << csvText(fullTable());

    std::string program = QUENFER_PATH;
    char* arguments[]
        = {program.data(), const_cast<char*>(csv.c_str()), const_cast<char*>(mem.c_str()), nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ) != 0) {
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
BENCHMARK(BM_QuenferProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
