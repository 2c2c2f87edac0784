#pragma once

#include "wave/sample_set.h"

#include <array>
#include <string_view>

namespace ondulix {

// The depths of the wavetable chips a wave is heard, seen and drawn at. Exact is the program's
// own: every sample value from -500 to 500.
struct ChipDepth
{
    int bits = 0; // 0 for Exact
    std::string_view name; // as the graph's menu lists it
    std::string_view shortName; // as the harmonics window says which depth it shows
};

inline constexpr std::array<ChipDepth, 5> kChipDepths {{
    {0, "Exact", "Exact"},
    {4, "4 bits (Game Boy, WonderSwan, Namco 163)", "4 bits"},
    {5, "5 bits (PC Engine)", "5 bits"},
    {6, "6 bits (Famicom Disk System)", "6 bits"},
    {8, "8 bits (Konami SCC)", "8 bits"},
}};

// The nearest of the chip's 2^bits levels, by the tracker forms' rule, as a sample value again;
// at 0 bits (Exact) the sample itself.
// Depths from 1 to 16 bits are taken; any other is Exact. A sample already on a level stays where
// it is.
int onChipLevel(int sample, int bits);
Wave onChipLevels(const Wave& wave, int bits);

} // namespace ondulix
