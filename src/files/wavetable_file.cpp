#include "files/wavetable_file.h"

#include "files/sndfile_library.h"
#include "files/sndfile_memory.h"
#include "files/target_waves.h"
#include "pattern/line_waves.h"
#include "pattern/pattern_line.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace ondulix {

namespace {

constexpr int kWaveLength = 32;
constexpr float kFullScale = 500.0f;
constexpr int kHold = kWavetableFrameLength / kWaveLength;

void putLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::vector<float> heldFrames(const std::vector<float>& samples)
{
    std::vector<float> frames;
    frames.reserve(samples.size() * kHold);
    for (const float sample : samples)
        frames.insert(frames.end(), kHold, sample);
    return frames;
}

// The frames' samples: each line's 32 samples held 64 times, or the line smooth at 2048 points.
std::vector<float> frameSamples(const PatternTable& table, int frames, Resampling how)
{
    if (how == Resampling::Hold)
        return heldFrames(wavetableSamples(table, frames));
    std::vector<float> samples;
    for (const double x : linesAtLength(table, 1, frames, kWavetableFrameLength, how))
        samples.push_back(static_cast<float>(x / kFullScale));
    return samples;
}

// The chunk must be set before the first sample is written, while the header is still open.
bool setClmChunk(const SndfileFunctions& sf, SNDFILE* file)
{
    std::string clm = kClmChunkText;
    SF_CHUNK_INFO chunk {};
    std::memcpy(chunk.id, "clm ", 4);
    chunk.id_size = 4;
    chunk.datalen = static_cast<unsigned>(clm.size());
    chunk.data = clm.data();
    return sf.sf_set_chunk(file, &chunk) == SF_ERR_NO_ERROR;
}

} // namespace

int soundingFrames(const PatternTable& table)
{
    return lastLineWithSound(table);
}

std::vector<float> wavetableSamples(const PatternTable& table, int frames)
{
    frames = std::clamp(frames, 1, kPatternLineCount);
    std::vector<float> samples;
    samples.reserve(static_cast<std::size_t>(frames) * kWaveLength);
    for (int line = 1; line <= frames; ++line) {
        for (int i = 0; i < kWaveLength; ++i)
            samples.push_back(static_cast<float>(pagedSample(table.cell(line, kFirstSampleRow + i)))
                / kFullScale);
    }
    return samples;
}

std::string surgeWavetableBytes(const PatternTable& table, int frames)
{
    const std::vector<float> samples = wavetableSamples(table, frames);
    std::string bytes = "vawt";
    putLittleEndian(bytes, kWaveLength, 4);
    putLittleEndian(bytes, static_cast<std::uint32_t>(samples.size() / kWaveLength), 2);
    putLittleEndian(bytes, 0, 2);
    for (const float sample : samples)
        putLittleEndian(bytes, std::bit_cast<std::uint32_t>(sample), 4);
    return bytes;
}

WavetableBytes wavWavetableBytes(const PatternTable& table, int frames, Resampling how)
{
    const SndfileLibrary& library = sndfileLibrary();
    if (!library.failure.empty())
        return {{}, library.failure};
    const SndfileFunctions& sf = library.functions;
    SF_VIRTUAL_IO io = SndfileMemory::io();
    SndfileMemory memory;
    SF_INFO info {};
    info.samplerate = kWavetableSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SndfileHandle file(sf, sf.sf_open_virtual(&io, SFM_WRITE, &info, &memory));
    if (file.get() == nullptr)
        return {{}, file.reason()};
    // The PEAK chunk would carry the time of writing: without it, a table gives the same bytes
    // every time.
    sf.sf_command(file.get(), SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    if (!setClmChunk(sf, file.get()))
        return {{}, file.reason()};
    const std::vector<float> held = frameSamples(table, frames, how);
    const auto count = static_cast<sf_count_t>(held.size());
    if (sf.sf_write_float(file.get(), held.data(), count) != count)
        return {{}, file.reason()};
    if (!file.close())
        return {{}, file.reason()};
    return {memory.takeWritten(), std::nullopt};
}

WavetableBytes wavetableBytes(
    const PatternTable& table, WavetableFormat format, int frames, Resampling how)
{
    if (frames == 0)
        frames = soundingFrames(table);
    if (frames == 0)
        return {{}, kNoSoundRefusal};
    if (format == WavetableFormat::SurgeWt)
        return {surgeWavetableBytes(table, frames), std::nullopt};
    return wavWavetableBytes(table, frames, how);
}

} // namespace ondulix
