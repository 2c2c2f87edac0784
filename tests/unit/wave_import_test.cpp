#include "files/sndfile_decoder.h"
#include "files/wave_import.h"
#include "wave/number_text.h"
#include "wave/tracker_wave.h"

#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

using namespace ondulix;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

using Levels = std::vector<long long>;

std::string le(const Levels& values, int size)
{
    std::string bytes;
    for (const long long value : values) {
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((static_cast<unsigned long long>(value) >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string furnace(int length, int lowest, int top, const Levels& levels, int sizeError = 0)
{
    const std::string block = std::string(1, '\0') + le({length, lowest, top}, 4) + le(levels, 4);
    return "-Furnace waveta-" + le({200}, 2) + le({0}, 2) + "WAVE"
        + le({static_cast<long long>(block.size()) + sizeError}, 4) + block;
}

// The short form below a top of 255, the long form (version 1) from it.
std::string deflemask(int length, int top, const Levels& levels)
{
    return le({length}, 4)
        + (top < 255 ? le({top}, 1) + le(levels, 1) : le({255, 1, top}, 1) + le(levels, 4));
}

std::string surge(long long size, long long count, int flags, const std::vector<float>& waves)
{
    std::string bytes = "vawt" + le({size}, 4) + le({count, flags}, 2);
    for (const float v : waves)
        bytes += le({std::bit_cast<std::uint32_t>(v)}, 4);
    return bytes;
}

// A chunk padded to an even size; "RIFF" with "WAVE" and chunks in it is a WAV file.
std::string chunk(const std::string& id, const std::string& data)
{
    return id + le({static_cast<long long>(data.size())}, 4) + data
        + std::string(data.size() % 2, '\0');
}

// Frame f holds first + f x step throughout, so a line's level tells which frame it took.
std::vector<float> steadyFrames(int frames, int length, float first, float step)
{
    std::vector<float> samples;
    for (int f = 0; f < frames; ++f)
        samples.insert(samples.end(), length, first + f * step);
    return samples;
}

std::vector<float> tone(std::size_t length, double frequency)
{
    std::vector<float> samples(length);
    for (std::size_t i = 0; i < length; ++i)
        samples[i] = 0.5f * float(std::sin(2 * std::numbers::pi * frequency * i / 48000));
    return samples;
}

const AudioDecoder kNotAudio = [](ByteSource&, LongWork*) -> ReadResult<DecodedAudio> {
    return Refusal {"not audio: unknown format"};
};

template <typename T> std::string reasonOf(const ReadResult<T>& result)
{
    const Refusal* refusal = refusalIn(result);
    return refusal ? refusal->reason : "taken";
}

ImportedWaves taken(const ReadResult<ImportedWaves>& result)
{
    EXPECT_EQ(reasonOf(result), "taken");
    return refusalIn(result) ? ImportedWaves {} : std::get<ImportedWaves>(result);
}

// A folder of this test program's own, gone when it ends.
const fs::path& scratch()
{
    static const struct Folder
    {
        std::string path = (fs::temp_directory_path() / "ondulix-XXXXXX").string();
        const fs::path made = ::mkdtemp(path.data());
        ~Folder() { fs::remove_all(made); }
    } folder;
    return folder.made;
}

fs::path written(const std::string& bytes)
{
    std::ofstream(scratch() / "import", std::ios::binary) << bytes;
    return scratch() / "import";
}

ImportedWaves importedFile(const std::string& bytes)
{
    return taken(importFile(written(bytes), kNotAudio));
}

// The level that each imported line holds throughout; -1000 for a line that is not steady.
std::vector<int> levels(const ImportedWaves& waves)
{
    std::vector<int> found;
    for (const auto& [line, w] : waves.lines)
        found.push_back(std::count(w.begin(), w.end(), w[0]) == kSampleCount ? w[0] : -1000);
    return found;
}

} // namespace

TEST(TrackerWaveFile, WritesEachLayoutReadsItBackAndResamplesOtherLengths)
{
    for (const int bits : {1, 4, 5, 6, 8}) {
        const int top = (1 << bits) - 1;
        Levels levels(kSampleCount);
        Wave wave {};
        for (int i = 0; i < kSampleCount; ++i) {
            levels[i] = (i * 7) % (top + 1);
            wave[i] = trackerSample(static_cast<int>(levels[i]), bits);
        }
        const std::pair<TrackerWaveFormat, std::string> files[]
            = {{TrackerWaveFormat::Furnace, furnace(32, 0, top, levels)},
                {TrackerWaveFormat::DefleMask, deflemask(32, top, levels)}};
        for (const auto& [format, expected] : files) {
            const std::string bytes = trackerWaveFileBytes(wave, bits, format);
            EXPECT_EQ(bytes, expected) << bits << " bits";
            EXPECT_EQ(importedFile(bytes).currentWave, wave) << bits << " bits";
        }
    }
    for (const int n : {1, 32, 256}) // level 3 of 10 is 3 x 1000 / 10 - 500
        EXPECT_EQ(
            importedFile(furnace(n, 0, 10, Levels(n, 3))).currentWave.value_or(Wave {})[5], -200);
    // -500, 500, 500, -500 is 707 sin(2 pi m / 32 - pi / 4) at 32 points: scaled down to 500.
    const Wave four = importedFile(deflemask(4, 15, {0, 15, 15, 0})).currentWave.value_or(Wave {});
    for (int m = 0; m < kSampleCount; ++m)
        EXPECT_EQ(four[m], roundHalfEven(500 * std::sin(std::numbers::pi * (m / 16.0 - 0.25))));
}

TEST(SurgeWavetable, SampleFormsFrameChoiceAndOneLevelForTheWholeImport)
{
    // The loudest frame, 1.5, brings the whole import down by one factor, 2/3.
    EXPECT_EQ(levels(importedFile(surge(32, 3, 0, steadyFrames(3, 32, 0.5, 0.5)))),
        (std::vector {167, 333, 500}));
    // int16: full scale 16384 in the older layout, 32768 with flag 8.
    const std::string halfOf16384 = le(Levels(64, 8192), 2);
    EXPECT_EQ(levels(importedFile(surge(64, 1, 4, {}) + halfOf16384)), (std::vector {250}));
    EXPECT_EQ(levels(importedFile(surge(64, 1, 12, {}) + halfOf16384)), (std::vector {125}));
    // 40 frames, frame f at f - 20: line k takes frame (k - 1) x 39 / 31, rounded half to even.
    const auto forty = levels(importedFile(surge(64, 40, 0, steadyFrames(40, 64, -0.04, 0.002))));
    EXPECT_EQ((std::vector {forty.at(0), forty.at(1), forty.at(20), forty.at(31)}),
        (std::vector {-20, -19, 5, 19}));
}

TEST(AudioImport, TheContentDecidesBetweenWavetableCycleAndRecording)
{
    const auto text
        = [](std::string_view t) { return std::vector<std::uint8_t>(t.begin(), t.end()); };
    const std::vector<float> four = steadyFrames(4, 256, 0, 0.1);
    const std::vector fourLines {0, 50, 100, 150};
    EXPECT_EQ(
        levels(taken(importAudio({four, 48000, text("<!>256 10000000 x"), {}}, {}))), fourLines);
    EXPECT_EQ(levels(taken(importAudio({four, 48000, {}, text(le({1, 256}, 4))}, {}))), fourLines);
    // The chunk that the decoder did not show, found in the file's own chunk list, past a chunk of
    // odd size, past an AIFF chunk of 65793 bytes (its size big-endian, every byte of it used),
    // and behind an outer size that spells another form; but not past one that runs beyond the
    // end.
    const std::string files[]
        = {chunk("RIFF", "WAVE" + chunk("junk", "odd") + chunk("clm ", "<!>256 0")),
            "FORM\0\0\0\0AIFFCOMM\0\0\0\3abc\0clm \0\0\0\6<!>256"s,
            "FORM\0\0\0\0AIFFSSND\0\1\1\1"s + std::string(65794, 'x') + "clm \0\0\0\6<!>256"s,
            "RIFFFORMWAVE" + chunk("clm ", "<!>256")};
    for (const std::string& file : files)
        EXPECT_EQ(levels(taken(importAudio({four, 48000, {}, {}}, bytesOf(file)))), fourLines);
    const std::string broken = chunk("RIFF", "WAVEdata" + le({9000}, 4) + chunk("clm ", "<!>256"));
    EXPECT_TRUE(taken(importAudio({four, 48000, {}, {}}, bytesOf(broken))).currentWave);
    // 16384 samples and no marker: 64 frames of 256, of which line 2 takes frame 2.
    const auto bank
        = levels(taken(importAudio({steadyFrames(64, 256, 0, 0.002), 48000, {}, {}}, {})));
    EXPECT_EQ((std::vector {bank.at(1), bank.at(31)}), (std::vector {2, 63}));

    const Wave cycle = taken(importAudio({tone(4096, 48000.0 / 4096), 48000, {}, {}}, {}))
                           .currentWave.value_or(Wave {});
    EXPECT_EQ(cycle[8], 250);
    // Lines 1..32, each that cycle again, cut at a rising zero crossing.
    const auto recording = taken(importAudio({tone(4097, 1000), 48000, {}, {}}, {}));
    ASSERT_EQ(recording.lines.size(), 32u);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(
            std::pair(recording.lines[i].line, recording.lines[i].wave), std::pair(i + 1, cycle));
    // Landed in lines 3 and 4, and only there.
    ASSERT_TRUE(recording.land);
    EXPECT_EQ(recording.land({3, 4, CycleFit::Smooth}), (LineWrites {{3, cycle}, {4, cycle}}));
}

TEST(ImportRefusals, EachBadInputIsRefusedWithWhatIsWrong)
{
    using Read = std::function<std::string()>;
    const auto file = [](std::string b, std::uintmax_t size = 0) -> Read {
        return [=] {
            const fs::path path = written(b);
            if (size > 0) // a sparse file: no disk space is taken
                fs::resize_file(path, size);
            return reasonOf(importFile(path, kNotAudio));
        };
    };
    // 16-bit mono PCM, decoded by libsndfile: a rate of 1 Hz makes a long sound of a small file.
    const auto sound = [](int rate, int frames) -> Read {
        const std::string format = le({1, 1}, 2) + le({rate, 2 * rate}, 4) + le({2, 16}, 2);
        const std::string wav = chunk(
            "RIFF", "WAVE" + chunk("fmt ", format) + chunk("data", std::string(2 * frames, '\0')));
        return [=] { return reasonOf(importFile(written(wav), decodeWithSndfile)); };
    };
    const auto dmw = [](std::string b) -> Read {
        return [b] { return reasonOf(readDefleMaskWave(bytesOf(b))); };
    };
    const auto audio
        = [](std::vector<float> samples, std::string file = {}, int rate = 48000) -> Read {
        return [=] { return reasonOf(importAudio({samples, rate, {}, {}}, bytesOf(file))); };
    };
    const auto clm = [](std::string text) { return chunk("RIFF", "WAVE" + chunk("clm ", text)); };
    const auto srge = [](int length) {
        return chunk("RIFF", "WAVE" + chunk("srge", le({1, length}, 4)));
    };
    const std::string sizes = kSizesDoNotAddUp, frameLength = kFrameLengthOutOfRange;
    const std::string notTracker = "not a tracker wave: ", nan = "a NaN or infinite sample";
    const std::string noPitch = "no pitch was found: the recording holds no steady tone";
    const Levels four(4, 1);
    const std::string head = "-Furnace waveta-" + le({0}, 4);
    const std::pair<Read, std::string> cases[] = {
        {[] { return reasonOf(importFile(scratch() / "missing", kNotAudio)); },
            "it cannot be opened: No such file or directory"},
        {file("vawt", kLargestImportFile + 1), "a file over 256 MiB"},
        {file("ID3 tag"), "not audio: unknown format"},
        {file("-Furnace waveta-\x01"), sizes},
        {file(head + "WAVE" + le({16}, 4) + "a name, no NUL.."), sizes},
        {file(head + "INFO"), notTracker + "the Furnace file holds no \"WAVE\" block"},
        {file(furnace(4, 0, 15, four, 1)), sizes}, // the block runs past the end
        {file(furnace(4, 0, 15, four, -1)), sizes}, // the levels run past the block
        {file(furnace(0, 0, 15, {})), notTracker + "a length of 0 (1 to 256 are taken)"},
        {file(furnace(4, 0, 256, four)), notTracker + "a top level of 256 (1 to 255 are taken)"},
        {file(furnace(4, 1, 15, four)), notTracker + "a lowest level of 1 (0 is taken)"},
        {file(furnace(4, 0, 15, {1, 16, 1, 1})), notTracker + "level 2 is 16, outside 0..15"},
        {dmw(deflemask(4, 15, {1, 2, 3})), sizes},
        {dmw(le({4}, 4) + le({255}, 1)), sizes},
        {dmw(deflemask(4, 0, four)), notTracker + "a top level of 0 (1 to 255 are taken)"},
        {file(deflemask(2, 255, {-1, 0})), notTracker + "level 1 is -1, outside 0..255"},
        {file("vawt" + le({32}, 4)), sizes},
        {file(surge(48, 1, 0, {})), "a wave size of 48 (a power of two from 2 to 4096 is taken)"},
        {file(surge(32, 0, 0, {})), "zero frames"},
        {file(surge(32, 513, 0, {})), "a wave count of 513 (1 to 512 are taken)"},
        {file(surge(2, 2, 4, {}) + le({0}, 7)), sizes},
        {file(surge(2, 1, 0, {0, NAN})), nan},
        {file(surge(9000, 1, 1, std::vector(9000, 0.0f))), noPitch},
        {audio({}), "zero frames"},
        {audio({INFINITY}), nan},
        {audio({0}, clm("2048")), "a \"clm \" chunk without \"<!>\" and a frame length"},
        {audio({0}, chunk("RIFF", "WAVE" + chunk("clm ", "") + chunk("data", "xx"))),
            "a \"clm \" chunk without \"<!>\" and a frame length"},
        {audio({0}, clm("<!>0 wavetable")), frameLength},
        {audio({0}, clm("<!>" + std::string(30, '9'))), frameLength},
        {audio({0}, chunk("RIFF", "WAVEclm " + le({9}, 4))), sizes},
        {audio({0}, chunk("RIFF", "WAVE" + chunk("srge", le({1}, 6)))), sizes},
        {audio({0}, srge(-1)), frameLength},
        {audio({0}, srge(65537)), frameLength},
        {audio(std::vector(100, 0.0f), clm("<!>256")),
            "zero frames: the file is shorter than one frame of 256 samples"},
        {audio(std::vector(48000, 0.0f)), noPitch},
        {audio(tone(5000, 440), {}, 0), "a sample rate of 0 Hz"},
        {sound(1, 1201), "it lasts 20 min 1 s, and 20 minutes are the most an import takes"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first(), cases[i].second) << "case " << i;
}
