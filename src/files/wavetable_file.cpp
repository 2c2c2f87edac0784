#include "files/wavetable_file.h"

#include "files/sndfile_library.h"
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

// libsndfile writes through these into a string, so that the finished file can go to disk in
// one atomic write. It seeks back to fill in the header's sizes when the file closes.
struct MemoryFile
{
    std::string bytes;
    sf_count_t position = 0;
};

MemoryFile& fileOf(void* user)
{
    return *static_cast<MemoryFile*>(user);
}

sf_count_t memoryLength(void* user)
{
    return static_cast<sf_count_t>(fileOf(user).bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user)
{
    MemoryFile& file = fileOf(user);
    const sf_count_t base = whence == SEEK_CUR ? file.position
        : whence == SEEK_END                   ? static_cast<sf_count_t>(file.bytes.size())
                                               : 0;
    if (base + offset < 0)
        return -1;
    file.position = base + offset;
    return file.position;
}

sf_count_t memoryRead(void* to, sf_count_t count, void* user)
{
    MemoryFile& file = fileOf(user);
    const auto size = static_cast<sf_count_t>(file.bytes.size());
    const sf_count_t taken = std::clamp<sf_count_t>(size - file.position, 0, count);
    std::memcpy(to, file.bytes.data() + file.position, static_cast<std::size_t>(taken));
    file.position += taken;
    return taken;
}

sf_count_t memoryWrite(const void* from, sf_count_t count, void* user)
{
    MemoryFile& file = fileOf(user);
    const auto end = static_cast<std::size_t>(file.position + count);
    if (end > file.bytes.size())
        file.bytes.resize(end);
    std::memcpy(file.bytes.data() + file.position, from, static_cast<std::size_t>(count));
    file.position += count;
    return count;
}

sf_count_t memoryTell(void* user)
{
    return fileOf(user).position;
}

std::vector<float> heldFrames(const std::vector<float>& samples)
{
    std::vector<float> frames;
    frames.reserve(samples.size() * kHold);
    for (const float sample : samples)
        frames.insert(frames.end(), kHold, sample);
    return frames;
}

// An open libsndfile handle, closed on every way out of the function that opened it.
class SoundFile
{
public:
    SoundFile(const SndfileFunctions& sf, SNDFILE* file)
        : m_sf(sf)
        , m_file(file)
    { }
    ~SoundFile()
    {
        if (m_file != nullptr)
            m_sf.sf_close(m_file);
    }
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    SNDFILE* get() const { return m_file; }
    // Closing writes the header's sizes, so it can fail too.
    bool close() { return m_sf.sf_close(std::exchange(m_file, nullptr)) == 0; }
    // What went wrong last: on this file while it is open, else in the library as a whole.
    WavetableBytes failure() const { return {{}, std::string(m_sf.sf_strerror(m_file))}; }

private:
    const SndfileFunctions& m_sf;
    SNDFILE* m_file;
};

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

WavetableBytes wavWavetableBytes(const PatternTable& table, int frames)
{
    const SndfileLibrary& library = sndfileLibrary();
    if (!library.failure.empty())
        return {{}, library.failure};
    const SndfileFunctions& sf = library.functions;
    SF_VIRTUAL_IO io {memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile memory;
    SF_INFO info {};
    info.samplerate = kWavetableSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SoundFile file(sf, sf.sf_open_virtual(&io, SFM_WRITE, &info, &memory));
    if (file.get() == nullptr)
        return file.failure();
    // The PEAK chunk would carry the time of writing: without it, a table gives the same bytes
    // every time.
    sf.sf_command(file.get(), SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    if (!setClmChunk(sf, file.get()))
        return file.failure();
    const std::vector<float> held = heldFrames(wavetableSamples(table, frames));
    const auto count = static_cast<sf_count_t>(held.size());
    if (sf.sf_write_float(file.get(), held.data(), count) != count)
        return file.failure();
    if (!file.close())
        return file.failure();
    return {std::move(memory.bytes), std::nullopt};
}

WavetableBytes wavetableBytes(const PatternTable& table, WavetableFormat format, int frames)
{
    if (frames == 0)
        frames = soundingFrames(table);
    if (frames == 0)
        return {{}, kNoSoundRefusal};
    if (format == WavetableFormat::SurgeWt)
        return {surgeWavetableBytes(table, frames), std::nullopt};
    return wavWavetableBytes(table, frames);
}

} // namespace ondulix
