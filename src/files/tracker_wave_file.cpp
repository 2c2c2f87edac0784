#include "files/tracker_wave_file.h"

#include "wave/number_text.h"
#include "wave/tracker_wave.h"

#include <stdexcept>

namespace ondulix {

namespace {

constexpr std::string_view kFurnaceMagic = "-Furnace waveta-";
constexpr int kFurnaceVersionWritten = 200;
constexpr int kLongestWave = 256;
constexpr int kHighestTop = 255;
// DefleMask's marker of the long form, which holds int32 levels and the real top apart.
constexpr int kLongFormMark = 255;
constexpr int kLengthFieldSize = 4;
constexpr int kShortFormHeaderSize = kLengthFieldSize + 1;
constexpr int kLongFormHeaderSize = kLengthFieldSize + 3;
constexpr int kLevelSize = 4;

Refusal notATrackerWave(const std::string& why)
{
    return {"not a tracker wave: " + why};
}

Refusal sizesDoNotAddUp()
{
    return {kSizesDoNotAddUp};
}

std::optional<Refusal> checkShape(std::int64_t length, std::int64_t top)
{
    if (length < 1 || length > kLongestWave)
        return notATrackerWave("a length of " + std::to_string(length) + " (1 to 256 are taken)");
    if (top < 1 || top > kHighestTop)
        return notATrackerWave("a top level of " + std::to_string(top) + " (1 to 255 are taken)");
    return std::nullopt;
}

std::optional<std::int64_t> nextLevel(ByteReader& in, int size)
{
    if (size == 1) {
        const auto byte = in.u8();
        return byte ? std::optional<std::int64_t>(*byte) : std::nullopt;
    }
    const auto word = in.i32();
    return word ? std::optional<std::int64_t>(*word) : std::nullopt;
}

// `length` levels of `size` bytes each; the shape was checked, so `length` is at most 256.
ReadResult<TrackerWaveLevels> readLevels(ByteReader& in, int length, int top, int size)
{
    TrackerWaveLevels wave {{}, top};
    wave.levels.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        const auto field = nextLevel(in, size);
        if (!field)
            return sizesDoNotAddUp();
        const std::int64_t level = *field;
        if (level < 0 || level > top)
            return notATrackerWave("level " + std::to_string(i + 1) + " is " + std::to_string(level)
                + ", outside 0.." + std::to_string(top));
        wave.levels.push_back(static_cast<int>(level));
    }
    return wave;
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putLevels(std::string& bytes, std::span<const int> levels, int size)
{
    for (const int level : levels)
        putLittleEndian(bytes, static_cast<std::uint32_t>(level), size);
}

} // namespace

bool startsLikeFurnaceWave(Bytes bytes)
{
    return ByteReader(bytes).takeTag(kFurnaceMagic);
}

ReadResult<TrackerWaveLevels> readFurnaceWave(Bytes bytes)
{
    ByteReader in(bytes);
    if (!in.takeTag(kFurnaceMagic))
        return notATrackerWave("a Furnace wave begins with \"-Furnace waveta-\"");
    if (!in.u16() || !in.u16())
        return sizesDoNotAddUp();
    if (!in.takeTag("WAVE"))
        return notATrackerWave("the Furnace file holds no \"WAVE\" block");
    const auto size = in.u32();
    const auto block = size ? in.take(*size) : std::nullopt;
    if (!block)
        return sizesDoNotAddUp();
    ByteReader fields(*block);
    const bool named = fields.skipPast(0);
    const auto length = fields.i32();
    const auto lowest = fields.i32();
    const auto top = fields.i32();
    if (!named || !length || !lowest || !top)
        return sizesDoNotAddUp();
    if (const auto refusal = checkShape(*length, *top))
        return *refusal;
    if (*lowest != 0)
        return notATrackerWave("a lowest level of " + std::to_string(*lowest) + " (0 is taken)");
    return readLevels(fields, *length, *top, kLevelSize);
}

bool hasDefleMaskWaveLayout(Bytes bytes)
{
    ByteReader in(bytes);
    const auto length = in.i32();
    const auto mark = length ? in.u8() : std::nullopt;
    if (!mark || *length < 1 || *length > kLongestWave)
        return false;
    const std::size_t levels
        = *mark == kLongFormMark ? std::size_t(kLevelSize) * *length : std::size_t(*length);
    const int header = *mark == kLongFormMark ? kLongFormHeaderSize : kShortFormHeaderSize;
    return bytes.size() == header + levels;
}

ReadResult<TrackerWaveLevels> readDefleMaskWave(Bytes bytes)
{
    ByteReader in(bytes);
    const auto length = in.i32();
    const auto mark = length ? in.u8() : std::nullopt;
    if (!mark)
        return sizesDoNotAddUp();
    const bool longForm = *mark == kLongFormMark;
    std::optional<std::uint32_t> top = mark;
    if (longForm && (!in.u8() || !(top = in.u8())))
        return sizesDoNotAddUp();
    if (const auto refusal = checkShape(*length, *top))
        return *refusal;
    if (!hasDefleMaskWaveLayout(bytes))
        return sizesDoNotAddUp();
    return readLevels(in, *length, static_cast<int>(*top), longForm ? kLevelSize : 1);
}

std::vector<int> trackerWaveSamples(const TrackerWaveLevels& wave)
{
    std::vector<int> samples;
    samples.reserve(wave.levels.size());
    const long long span = kSampleMax - kSampleMin;
    for (const int level : wave.levels)
        samples.push_back(static_cast<int>(divideRoundHalfEven(
            level * span + kSampleMin * static_cast<long long>(wave.top), wave.top)));
    return samples;
}

std::string trackerWaveFileBytes(std::span<const int> levels, int top, TrackerWaveFormat format)
{
    const auto length = static_cast<std::uint32_t>(levels.size());
    std::string bytes;
    if (format == TrackerWaveFormat::Furnace) {
        bytes += kFurnaceMagic;
        putLittleEndian(bytes, kFurnaceVersionWritten, 2);
        putLittleEndian(bytes, 0, 2);
        bytes += "WAVE";
        // The block after its size: the empty name's NUL, three int32 fields and the levels.
        putLittleEndian(bytes, 1 + 3 * kLevelSize + length * kLevelSize, 4);
        bytes += '\0';
        for (const std::uint32_t field : {length, 0u, std::uint32_t(top)})
            putLittleEndian(bytes, field, 4);
        putLevels(bytes, levels, kLevelSize);
        return bytes;
    }
    putLittleEndian(bytes, length, kLengthFieldSize);
    if (top < kLongFormMark) {
        putLittleEndian(bytes, static_cast<std::uint32_t>(top), 1);
        putLevels(bytes, levels, 1);
        return bytes;
    }
    for (const std::uint32_t field : {kLongFormMark, 1, kHighestTop})
        putLittleEndian(bytes, field, 1);
    putLevels(bytes, levels, kLevelSize);
    return bytes;
}

std::string trackerWaveFileBytes(const Wave& wave, int bits, TrackerWaveFormat format)
{
    if (bits < kTrackerFileLeastBits || bits > kTrackerFileMostBits)
        throw std::invalid_argument("a tracker wave file holds 1 to 8 bits a level");
    std::vector<int> levels;
    for (const int sample : wave)
        levels.push_back(trackerLevel(sample, bits));
    return trackerWaveFileBytes(levels, (1 << bits) - 1, format);
}

std::string famiTrackerN163Bytes(std::span<const int> levels, int waves, const std::string& name)
{
    // Dn-FamiTracker's instrument type of the N163, and the sequences every such instrument
    // has: volume, arpeggio, pitch, hi-pitch and wave index.
    constexpr int kN163Type = 5;
    constexpr int kSequences = 5;
    std::string bytes = "FTI2.4";
    putLittleEndian(bytes, kN163Type, 1);
    putLittleEndian(bytes, static_cast<std::uint32_t>(name.size()), 4);
    bytes += name;
    putLittleEndian(bytes, kSequences, 1);
    bytes += std::string(kSequences, '\0');
    for (const int field : {kSampleCount, 0, waves})
        putLittleEndian(bytes, static_cast<std::uint32_t>(field), 4);
    putLevels(bytes, levels, 1);
    return bytes;
}

} // namespace ondulix
