#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "platform/atomic_save.h"
#include "wave/number_text.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace ondulix;

namespace {

// Every line stored, with samples of every length of text.
PatternTable fullTable()
{
    PatternTable table;
    for (int line = 1; line <= kPatternLineCount; ++line)
        for (int i = 0; i < 32; ++i)
            table.setCell(line, kFirstSampleRow + i,
                generalForm(((line * 37 + i * 91) % 1001 - 500) / 1000.0));
    return table;
}

void BM_WriteCsvText(benchmark::State& state)
{
    const PatternTable table = fullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(csvText(table));
}
BENCHMARK(BM_WriteCsvText);

void BM_ReadCsvText(benchmark::State& state)
{
    const std::string text = csvText(fullTable());
    const PatternTable old;
    for (auto _ : state)
        benchmark::DoNotOptimize(readCsv(text, old));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadCsvText);

// The largest file the reader takes: 32 lines, then empty lines up to the limit.
void BM_ReadCsvAtTheSizeLimit(benchmark::State& state)
{
    std::string text = csvText(fullTable());
    text.resize(kCsvFileSizeLimit, '\n');
    const PatternTable old;
    for (auto _ : state)
        benchmark::DoNotOptimize(readCsv(text, old));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadCsvAtTheSizeLimit);

// What Save CSV and Open CSV cost on disk, dialogs aside.
void BM_SaveAndOpenCsvFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("wave.csv"));
    const PatternTable table = fullTable();
    for (auto _ : state) {
        saveAtomically(path, QByteArray::fromStdString(csvText(table)));
        benchmark::DoNotOptimize(readCsvFile(path.toStdString(), table));
    }
}
BENCHMARK(BM_SaveAndOpenCsvFile);

} // namespace
