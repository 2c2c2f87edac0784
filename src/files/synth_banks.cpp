#include "files/synth_banks.h"

#include "wave/number_text.h"
#include "wave/sample_set.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace ondulix {

namespace {

constexpr int kWaveEditSampleRate = 44100;
constexpr int kVitalFrameLength = 2048;
constexpr int kVitalFramePositions = 256;
// Vital reads a table as written by the release named here: from 0.7.7 on, no field is
// rewritten on the way in.
constexpr const char* kVitalVersion = "1.0.7";

void put(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string base64(const std::string& bytes)
{
    static constexpr char kDigits[]
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 2]);
        for (int digit = 0; digit < 4; ++digit)
            text += i + digit <= bytes.size() ? kDigits[(group >> (18 - 6 * digit)) & 0x3F] : '=';
    }
    return text;
}

// JSON's string form of a name: quotes and backslashes escaped, control characters as \u.
std::string jsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += {'\\', c};
        else if (static_cast<unsigned char>(c) < 0x20)
            quoted
                += "\\u00" + std::string {"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
        else
            quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string waveEditBankBytes(const PatternTable& table, int lines, Resampling how)
{
    const std::vector<double> samples = linesAtLength(table, 1, lines, kWaveEditWaveLength, how);
    constexpr std::uint32_t kDataBytes = kWaveEditWaves * kWaveEditWaveLength * 2;
    std::string bytes = "RIFF";
    put(bytes, 36 + kDataBytes, 4);
    bytes += "WAVEfmt ";
    for (const auto& [value, size] :
        {std::pair {16u, 4}, {1u, 2}, {1u, 2}, {std::uint32_t(kWaveEditSampleRate), 4},
            {kWaveEditSampleRate * 2u, 4}, {2u, 2}, {16u, 2}})
        put(bytes, value, size);
    bytes += "data";
    put(bytes, kDataBytes, 4);
    for (int wave = 0; wave < kWaveEditWaves; ++wave) {
        const std::size_t line = static_cast<std::size_t>(wave * lines / kWaveEditWaves);
        for (std::size_t i = 0; i < kWaveEditWaveLength; ++i) {
            const double x = samples[line * kWaveEditWaveLength + i];
            const auto word = static_cast<std::int16_t>(roundHalfEven(x * 32767 / kSampleMax));
            put(bytes, static_cast<std::uint16_t>(word), 2);
        }
    }
    return bytes;
}

std::string vitalTableText(
    const PatternTable& table, int lines, Resampling how, const std::string& name)
{
    const std::vector<double> samples = linesAtLength(table, 1, lines, kVitalFrameLength, how);
    std::string keyframes;
    for (int line = 0; line < lines; ++line) {
        std::string floats;
        for (std::size_t i = 0; i < kVitalFrameLength; ++i) {
            const auto x = static_cast<float>(
                samples[static_cast<std::size_t>(line) * kVitalFrameLength + i] / kSampleMax);
            put(floats, std::bit_cast<std::uint32_t>(x), 4);
        }
        keyframes += std::string(line == 0 ? "" : ",")
            + "{\"position\":" + std::to_string(line * kVitalFramePositions / lines)
            + ",\"wave_data\":\"" + base64(floats) + "\"}";
    }
    // The keys in the order Vital's own JSON writer sorts them. Interpolation style 0 is none:
    // each line holds until the next, as the WAV's frames do.
    return "{\"author\":\"\",\"full_normalize\":false,\"groups\":[{\"components\":[{"
           "\"interpolation\":1,\"interpolation_style\":0,\"keyframes\":["
        + keyframes + "],\"type\":\"Wave Source\"}]}],\"name\":" + jsonString(name)
        + ",\"remove_all_dc\":false,\"version\":\"" + kVitalVersion + "\"}";
}

} // namespace ondulix
