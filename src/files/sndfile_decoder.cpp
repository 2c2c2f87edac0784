#include "files/sndfile_decoder.h"

#include "files/sndfile_library.h"

#include <algorithm>
#include <cstring>

namespace ondulix {

namespace {

// libsndfile reads the bytes already in memory through these: the import reads a file whole,
// under its size limit, before it knows whether the file is audio.
struct ByteSource
{
    Bytes bytes;
    sf_count_t position = 0;
};

ByteSource& sourceOf(void* user)
{
    return *static_cast<ByteSource*>(user);
}

sf_count_t sourceLength(void* user)
{
    return static_cast<sf_count_t>(sourceOf(user).bytes.size());
}

sf_count_t sourceSeek(sf_count_t offset, int whence, void* user)
{
    ByteSource& source = sourceOf(user);
    const sf_count_t base = whence == SEEK_CUR ? source.position
        : whence == SEEK_END                   ? static_cast<sf_count_t>(source.bytes.size())
                                               : 0;
    if (base + offset < 0)
        return -1;
    source.position = base + offset;
    return source.position;
}

sf_count_t sourceRead(void* to, sf_count_t count, void* user)
{
    ByteSource& source = sourceOf(user);
    const auto size = static_cast<sf_count_t>(source.bytes.size());
    const sf_count_t taken = std::clamp<sf_count_t>(size - source.position, 0, count);
    if (taken > 0)
        std::memcpy(to, source.bytes.data() + source.position, static_cast<std::size_t>(taken));
    source.position += taken;
    return taken;
}

sf_count_t sourceWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t sourceTell(void* user)
{
    return sourceOf(user).position;
}

// An open libsndfile handle, closed on every way out.
class OpenSound
{
public:
    OpenSound(const SndfileFunctions& sf, SNDFILE* file)
        : m_sf(sf)
        , m_file(file)
    { }
    ~OpenSound()
    {
        if (m_file != nullptr)
            m_sf.sf_close(m_file);
    }
    OpenSound(const OpenSound&) = delete;
    OpenSound& operator=(const OpenSound&) = delete;

    SNDFILE* get() const { return m_file; }

private:
    const SndfileFunctions& m_sf;
    SNDFILE* m_file;
};

// The data of the first chunk `id` that libsndfile shows, if it shows one.
std::optional<std::vector<std::uint8_t>> shownChunk(
    const SndfileFunctions& sf, SNDFILE* file, const char (&id)[5])
{
    SF_CHUNK_INFO chunk {};
    std::memcpy(chunk.id, id, 4);
    chunk.id_size = 4;
    SF_CHUNK_ITERATOR* found = sf.sf_get_chunk_iterator(file, &chunk);
    if (found == nullptr || sf.sf_get_chunk_size(found, &chunk) != SF_ERR_NO_ERROR)
        return std::nullopt;
    std::vector<std::uint8_t> data(chunk.datalen);
    chunk.data = data.data();
    if (sf.sf_get_chunk_data(found, &chunk) != SF_ERR_NO_ERROR)
        return std::nullopt;
    return data;
}

// Reads block by block to the end: the frame count in the header is not always there (Ogg)
// nor always true. Where it is, it sizes the result once, but never beyond the file's size in
// bytes, so a header that lies claims no more memory than the file already took.
std::vector<float> averagedFrames(const SndfileFunctions& sf, SNDFILE* file, int channels,
    sf_count_t frameCount, std::size_t bytes)
{
    constexpr sf_count_t kBlockFrames = 8192;
    std::vector<float> block(static_cast<std::size_t>(kBlockFrames * channels));
    std::vector<float> frames;
    frames.reserve(std::min(static_cast<std::size_t>(std::max<sf_count_t>(frameCount, 0)), bytes));
    for (;;) {
        const sf_count_t read = sf.sf_readf_float(file, block.data(), kBlockFrames);
        if (read <= 0)
            break;
        for (sf_count_t frame = 0; frame < read; ++frame) {
            const float* first = block.data() + frame * channels;
            double sum = 0;
            for (int channel = 0; channel < channels; ++channel)
                sum += first[channel];
            frames.push_back(static_cast<float>(sum / channels));
        }
    }
    return frames;
}

// libsndfile's reasons are sentences; inside the program's own message, their full stop goes.
std::string libraryReason(const char* text)
{
    std::string reason = text != nullptr ? text : "no reason given";
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

} // namespace

ReadResult<DecodedAudio> decodeWithSndfile(Bytes file)
{
    const SndfileLibrary& library = sndfileLibrary();
    if (!library.failure.empty())
        return Refusal {library.failure};
    const SndfileFunctions& sf = library.functions;
    SF_VIRTUAL_IO io {sourceLength, sourceSeek, sourceRead, sourceWrite, sourceTell};
    ByteSource source {file};
    SF_INFO info {};
    OpenSound sound(sf, sf.sf_open_virtual(&io, SFM_READ, &info, &source));
    if (sound.get() == nullptr)
        return Refusal {"not audio (" + libraryReason(sf.sf_strerror(nullptr)) + ")"};
    if (info.channels < 1)
        return Refusal {"not audio (no channels)"};
    DecodedAudio audio;
    audio.sampleRate = info.samplerate;
    audio.clmChunk = shownChunk(sf, sound.get(), "clm ");
    audio.srgeChunk = shownChunk(sf, sound.get(), "srge");
    audio.samples = averagedFrames(sf, sound.get(), info.channels, info.frames, file.size());
    return audio;
}

} // namespace ondulix
