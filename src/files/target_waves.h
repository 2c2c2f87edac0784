#pragma once

#include "pattern/pattern_table.h"

#include <vector>

// The design is 32 samples a line; the places it is played may hold longer waves. These carry
// each line to the length a target plays, by one rule the user chooses and can see.
namespace ondulix {

enum class Resampling
{
    Hold, // each sample in turn, length / 32 times: what a 32-step wave sounds like on the chip
    Smooth, // the offset and harmonics 1..15 at every point, as the import keeps them
};

// Lines `first` to `last`, each as `length` samples (a multiple of 32), one line after the
// other, in sample units. A line counts as the wave paging loads from it. A smooth table that would
// go beyond +-500 anywhere is scaled as a whole to a peak of 500, as Normalize scales: never
// clipped, and the lines keep their levels to each other.
std::vector<double> linesAtLength(
    const PatternTable& table, int first, int last, int length, Resampling how);

// A sample's chip level at 2^bits levels, by the tracker forms' rule: (v + 500) x (2^bits - 1)
// / 1000, rounded half to even, so that -500 is 0 and 500 the top. Whole samples give exactly
// what trackerLevel gives; a smooth sample is rounded once, here.
int levelOf(double sample, int bits);

} // namespace ondulix
