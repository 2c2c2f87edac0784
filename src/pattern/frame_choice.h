#pragma once

#include "wave/spectrum.h"

#include <vector>

// Many waves into the table's 32 lines: which frame of a wavetable each line takes, and one
// level for all the waves that arrive together.
namespace ondulix {

struct FramePick
{
    int line; // 1..32
    long long frame; // counted from 0
};

// Into `lineCount` lines (1..32), numbered from 1: up to that many frames, frame k - 1 to line
// k, and no other line. More: that many frames evenly spread, the first and the last included;
// line k takes frame (k - 1) x (frames - 1) / (lines - 1), rounded half to even in whole numbers.
std::vector<FramePick> framesForLines(long long frameCount, int lineCount = 32);

// The waves as whole samples, all scaled by one factor when any would go beyond +-500, so that
// the loudest sample becomes 500 and the waves keep their levels relative to each other.
std::vector<Wave> fitTogether(const std::vector<RealWave>& waves);

} // namespace ondulix
