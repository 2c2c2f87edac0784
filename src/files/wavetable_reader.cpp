#include "files/wavetable_reader.h"

#include <bit>
#include <cmath>
#include <limits>

namespace ondulix {

namespace {

constexpr std::uint32_t kOneShotFlag = 1;
constexpr std::uint32_t kInt16Flag = 4;
constexpr std::uint32_t kFullRangeInt16Flag = 8;
constexpr std::uint32_t kLargestWaveSize = 4096;
constexpr std::uint32_t kMostWaves = 512;
constexpr float kFullRangeInt16Scale = 32768.0f;
constexpr float kOlderInt16Scale = 16384.0f;
constexpr std::string_view kClmMark = "<!>";

ReadResult<SurgeWavetable> readSurgeSamples(
    ByteReader& in, SurgeWavetable table, bool int16, float int16Scale)
{
    const std::size_t count = std::size_t(table.waveSize) * std::size_t(table.waveCount);
    const std::size_t width = int16 ? 2 : 4;
    // Checked before anything is allocated: the header alone may promise more than is there.
    if (count > in.remaining() / width)
        return Refusal {kSizesDoNotAddUp};
    table.samples.resize(count);
    for (float& sample : table.samples) {
        if (int16) {
            sample = static_cast<float>(static_cast<std::int16_t>(*in.u16())) / int16Scale;
            continue;
        }
        sample = std::bit_cast<float>(*in.u32());
        if (!std::isfinite(sample))
            return Refusal {"a NaN or infinite sample"};
    }
    return table;
}

} // namespace

bool startsLikeSurgeWavetable(Bytes bytes)
{
    return ByteReader(bytes).takeTag("vawt");
}

ReadResult<SurgeWavetable> readSurgeWavetable(Bytes bytes)
{
    ByteReader in(bytes);
    if (!in.takeTag("vawt"))
        return Refusal {"not a Surge wavetable: it does not begin with \"vawt\""};
    const auto size = in.u32();
    const auto count = size ? in.u16() : std::nullopt;
    const auto flags = count ? in.u16() : std::nullopt;
    if (!flags)
        return Refusal {kSizesDoNotAddUp};
    SurgeWavetable table;
    table.oneShot = (*flags & kOneShotFlag) != 0;
    if (*count == 0)
        return Refusal {"zero frames"};
    if (*count > kMostWaves)
        return Refusal {"a wave count of " + std::to_string(*count) + " (1 to 512 are taken)"};
    const bool wavetableSize
        = *size >= 2 && *size <= kLargestWaveSize && std::has_single_bit(*size);
    if (!wavetableSize && !(table.oneShot && *size >= 1))
        return Refusal {"a wave size of " + std::to_string(*size)
            + " (a power of two from 2 to 4096 is taken)"};
    // Each sample takes at least two bytes.
    if (*size > in.remaining() / 2 || *size > std::uint32_t(std::numeric_limits<int>::max()))
        return Refusal {kSizesDoNotAddUp};
    table.waveSize = static_cast<int>(*size);
    table.waveCount = static_cast<int>(*count);
    const bool int16 = (*flags & kInt16Flag) != 0;
    const float scale = (*flags & kFullRangeInt16Flag) ? kFullRangeInt16Scale : kOlderInt16Scale;
    return readSurgeSamples(in, std::move(table), int16, scale);
}

ReadResult<int> clmFrameLength(Bytes chunk)
{
    const std::string_view text(reinterpret_cast<const char*>(chunk.data()), chunk.size());
    const std::size_t mark = text.find(kClmMark);
    std::size_t at = mark == std::string_view::npos ? text.size() : mark + kClmMark.size();
    if (at >= text.size() || text[at] < '0' || text[at] > '9')
        return Refusal {"a \"clm \" chunk without \"<!>\" and a frame length"};
    long long length = 0;
    // Digits past the limit are counted but not added up, so no text can overflow.
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        length = std::min<long long>(length * 10 + (text[at] - '0'), 10LL * kLongestFrame);
    if (length == 0 || length > kLongestFrame)
        return Refusal {kFrameLengthOutOfRange};
    return static_cast<int>(length);
}

ReadResult<int> srgeFrameLength(Bytes chunk)
{
    ByteReader in(chunk);
    const auto version = in.i32();
    const auto length = version ? in.i32() : std::nullopt;
    if (!length)
        return Refusal {kSizesDoNotAddUp};
    if (*length <= 0 || *length > kLongestFrame)
        return Refusal {kFrameLengthOutOfRange};
    return static_cast<int>(*length);
}

} // namespace ondulix
