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

// What the header says, beyond the limits: the length and the limit, in the user's words.
std::optional<std::string> tooLong(sf_count_t frames, int rate)
{
    if (frames > kMostImportFrames)
        return "it holds " + std::to_string(frames) + " frames, and "
            + std::to_string(kMostImportFrames) + " (64 Mi) are the most an import takes";
    if (rate > 0 && static_cast<double>(frames) / rate > kLongestImportSeconds) {
        const long long seconds = frames / rate;
        return "it lasts " + std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60)
            + " s, and 20 minutes are the most an import takes";
    }
    return std::nullopt;
}

// Reads block by block to the end: the frame count in the header is not always there (Ogg)
// nor always true. Where it is, it sizes the result once; a file that decodes to more than the
// limits is refused as it passes them. Nothing when the work stops it.
ReadResult<std::vector<float>> averagedFrames(
    const SndfileFunctions& sf, SNDFILE* file, const SF_INFO& info, LongWork* work)
{
    constexpr sf_count_t kBlockFrames = 8192;
    const int channels = info.channels;
    std::vector<float> block(static_cast<std::size_t>(kBlockFrames * channels));
    std::vector<float> frames;
    frames.reserve(
        static_cast<std::size_t>(std::clamp<sf_count_t>(info.frames, 0, kMostImportFrames)));
    for (;;) {
        if (work && work->stopRequested())
            return Refusal {"stopped"};
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
        const auto taken = static_cast<sf_count_t>(frames.size());
        if (const auto longer = tooLong(taken, info.samplerate))
            return Refusal {*longer};
        if (work && info.frames > 0)
            work->report(static_cast<double>(taken) / static_cast<double>(info.frames), 0, 500);
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

ReadResult<DecodedAudio> decodeWithSndfile(ByteSource& file, LongWork* work)
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
    if (const auto longer = tooLong(info.frames, info.samplerate))
        return Refusal {*longer};
    DecodedAudio audio;
    audio.sampleRate = info.samplerate;
    audio.clmChunk = shownChunk(sf, sound.get(), "clm ");
    audio.srgeChunk = shownChunk(sf, sound.get(), "srge");
    auto frames = averagedFrames(sf, sound.get(), info, work);
    if (const Refusal* refusal = refusalIn(frames))
        return *refusal;
    audio.samples = std::get<std::vector<float>>(std::move(frames));
    return audio;
}

} // namespace ondulix
