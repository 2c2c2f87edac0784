// The hand-written readers of imported files on any bytes: Furnace and DefleMask waves, Surge
// wavetables, the "clm " and "srge" markers and the chunk list. What a reader takes keeps its own
// rules. The whole import, with the bytes also standing in for decoded audio (so the chunk list in
// them is walked for the markers, whose frame lengths then cut the samples), gives whole samples
// within +-500 for the current wave or for lines 1..32, in order.
#include "fuzz/fuzz_check.h"

#include "files/wave_import.h"

#include <algorithm>
#include <bit>
#include <cmath>

using namespace ondulix;

namespace {

bool inRange(const Wave& wave)
{
    return std::all_of(wave.begin(), wave.end(), [](int v) { return v >= -500 && v <= 500; });
}

void checkTrackerWave(const ReadResult<TrackerWaveLevels>& read)
{
    const auto* wave = std::get_if<TrackerWaveLevels>(&read);
    if (!wave)
        return;
    FUZZ_CHECK(wave->top >= 1 && wave->top <= 255);
    FUZZ_CHECK(!wave->levels.empty() && wave->levels.size() <= 256);
    FUZZ_CHECK(std::all_of(
        wave->levels.begin(), wave->levels.end(), [&](int l) { return l >= 0 && l <= wave->top; }));
}

ReadResult<DecodedAudio> asSixteenBitAudio(ByteSource& file, LongWork*)
{
    DecodedAudio audio {{}, 48000, {}, {}};
    std::uint8_t pair[2];
    for (std::uint64_t at = 0; file.readAt(at, pair, 2) == 2; at += 2)
        audio.samples.push_back(static_cast<std::int16_t>(pair[0] | pair[1] << 8) / 32768.0f);
    return audio;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Bytes bytes(data, size);
    checkTrackerWave(readFurnaceWave(bytes));
    checkTrackerWave(readDefleMaskWave(bytes));
    const auto surge = readSurgeWavetable(bytes);
    if (const auto* table = std::get_if<SurgeWavetable>(&surge)) {
        FUZZ_CHECK(table->samples.size() == std::size_t(table->waveSize) * table->waveCount);
        FUZZ_CHECK(std::all_of(table->samples.begin(), table->samples.end(),
            [](float x) { return std::isfinite(x); }));
    }
    const auto imported = importWaves(bytes, asSixteenBitAudio);
    if (const auto* waves = std::get_if<ImportedWaves>(&imported)) {
        FUZZ_CHECK(waves->currentWave ? inRange(*waves->currentWave) && waves->lines.empty()
                                      : !waves->lines.empty());
        for (std::size_t i = 0; i < waves->lines.size(); ++i) {
            FUZZ_CHECK(inRange(waves->lines[i].wave) && waves->lines[i].line <= kPatternLineCount);
            FUZZ_CHECK(waves->lines[i].line == (i == 0 ? 1 : waves->lines[i - 1].line + 1));
        }
    } else {
        FUZZ_CHECK(!refusalIn(imported)->reason.empty());
    }
    return 0;
}
