#include "files/sndfile_decoder.h"

#include "files/sndfile_library.h"
#include "files/sndfile_memory.h"

#include <algorithm>
#include <cstring>

namespace ondulix {

namespace {

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
    SF_VIRTUAL_IO io = SndfileMemory::io();
    SndfileMemory source(file);
    SF_INFO info {};
    SndfileHandle sound(sf, sf.sf_open_virtual(&io, SFM_READ, &info, &source));
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
