#pragma once

#include "wave/pasted_wave.h"

#include <array>
#include <string>
#include <string_view>

namespace ondulix {

// The form in which chiptune trackers copy and paste the waves of wavetable chips: 32 unsigned
// whole numbers 0..2^bits - 1, separated by blanks.
inline constexpr std::array<int, 4> kTrackerDepths {4, 5, 6, 8};

// Full scale onto the full range: -500 gives 0 and 500 gives 2^bits - 1, in a straight line,
// (sample + 500) x (2^bits - 1) / 1000 rounded half to even. At 4 bits the centre, 0, falls on
// 7.5 and goes to 8.
int trackerLevel(int sample, int bits);
// The way back: level x 1000 / (2^bits - 1) - 500, rounded half to even. The levels lie at
// least 1000 / 255 apart, so a wave of such samples reads back unchanged through either way.
int trackerSample(int level, int bits);

std::string trackerText(const Wave& wave, int bits);
// 32 whole numbers 0..2^bits - 1, cut as any paste is; anything else is refused with a message.
PastedWave readTrackerWave(std::string_view text, int bits);

// The Game Boy's form: its wave RAM as its trackers show it, one hexadecimal digit a sample,
// levels 0..15 by the 4-bit rule: a full-scale triangle is "0123456789ABCDEFFEDCBA9876543210".
// Written in upper case; read in either, with blanks and the other paste separators allowed
// between the digits (some tools group them in bytes) and nothing else.
std::string gameBoyText(const Wave& wave);
PastedWave readGameBoyWave(std::string_view text);

} // namespace ondulix
