#pragma once

#include "files/export_targets.h"
#include "files/memory_words.h"
#include "files/target_waves.h"

// A wavetable chip's wave memory as the memory formats write it: each line carried to the
// chip's length, each sample its level at the chip's depth, one word a sample, or one byte for
// two where the chip packs them.
namespace ondulix {

// Lines 1 to `lines` of the table as `chip` holds them. A signed chip (the SCC, the X1-010)
// holds the level minus 2^(bits - 1), in two's complement, so that a Furnace wave of the same
// chip and this image agree.
WordImage chipImage(const PatternTable& table, const ExportTarget& chip, int lines, Resampling how);

// The levels alone of lines `first` to `last`, 0 .. 2^bits - 1, line after line: what a
// tracker wave of the chip holds.
std::vector<int> chipLevels(
    const PatternTable& table, const ExportTarget& chip, int first, int last, Resampling how);

} // namespace ondulix
