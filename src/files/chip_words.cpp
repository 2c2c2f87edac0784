#include "files/chip_words.h"

namespace ondulix {

namespace {

std::string chipDescription(const ExportTarget& chip, std::size_t words)
{
    const int top = (1 << chip.bits) - 1;
    if (chip.packing != Packing::None)
        return std::to_string(words) + " bytes, two " + std::string(chip.name) + " levels 0 to "
            + std::to_string(top) + " each, the first in the "
            + (chip.packing == Packing::HighNibbleFirst ? "high" : "low") + " nibble";
    const int half = 1 << (chip.bits - 1);
    return std::to_string(words) + " words of " + std::to_string(chip.bits) + " bits, "
        + std::string(chip.name)
        + (chip.form == SampleForm::SignedLevels ? " levels -" + std::to_string(half) + " to "
                    + std::to_string(half - 1) + ", two's complement"
                                                 : " levels 0 to " + std::to_string(top));
}

std::vector<std::uint64_t> packedPairs(const std::vector<int>& levels, Packing packing)
{
    std::vector<std::uint64_t> bytes;
    bytes.reserve(levels.size() / 2);
    for (std::size_t i = 0; i + 1 < levels.size(); i += 2) {
        const auto first = static_cast<std::uint64_t>(levels[i]);
        const auto second = static_cast<std::uint64_t>(levels[i + 1]);
        bytes.push_back(
            packing == Packing::HighNibbleFirst ? first << 4 | second : second << 4 | first);
    }
    return bytes;
}

} // namespace

std::vector<int> chipLevels(
    const PatternTable& table, const ExportTarget& chip, int first, int last, Resampling how)
{
    std::vector<int> levels;
    for (const double sample : linesAtLength(table, first, last, chip.samples, how))
        levels.push_back(levelOf(sample, chip.bits));
    return levels;
}

WordImage chipImage(const PatternTable& table, const ExportTarget& chip, int lines, Resampling how)
{
    const std::vector<int> levels = chipLevels(table, chip, 1, lines, how);
    WordImage image;
    image.lines = lines;
    image.isSigned = chip.form == SampleForm::SignedLevels;
    if (chip.packing != Packing::None) {
        image.words = packedPairs(levels, chip.packing);
        image.bits = 8;
        image.wordsPerLine = chip.samples / 2;
        image.samplesPerWord = 2;
    } else {
        const int half = image.isSigned ? 1 << (chip.bits - 1) : 0;
        const std::uint64_t mask = (std::uint64_t {1} << chip.bits) - 1;
        for (const int level : levels)
            image.words.push_back(static_cast<std::uint64_t>(level - half) & mask);
        image.bits = chip.bits;
        image.wordsPerLine = chip.samples;
    }
    image.description = chipDescription(chip, image.words.size());
    return image;
}

} // namespace ondulix
