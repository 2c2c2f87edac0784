#pragma once

#include "wave/long_work.h"

#include <cstddef>
#include <span>
#include <vector>

// Pitch over time by the YIN method: A. de Cheveigne and H. Kawahara, "YIN, a fundamental
// frequency estimator for speech and music", J. Acoust. Soc. Am. 111 (4), 2002, pp. 1917-1930.
// Steps 1 to 5 of the paper: the difference function, its cumulative mean normalized form, the
// absolute threshold and parabolic interpolation. Where no lag falls below the threshold there
// is no pitch: the paper's fallback to the deepest dip would find one in noise.
namespace ondulix {

// The pitches taken: from below a bass guitar's low E to past a flute's high notes.
inline constexpr double kLowestPitch = 40.0;
inline constexpr double kHighestPitch = 2000.0;
// The paper suggests 0.1 to 0.15: low enough that noise never passes, high enough for the
// small wobbles of a played note.
inline constexpr double kYinThreshold = 0.12;

struct PitchTrack
{
    std::size_t hop = 0; // samples from one estimate to the next, about 10 ms
    std::size_t firstCentre = 0; // the sample that estimate 0 is centred on
    std::vector<double> periods; // samples per cycle at each estimate; 0 where none was found

    std::size_t centre(std::size_t estimate) const { return firstCentre + estimate * hop; }
};

// The signal is first brought down to about 11 kHz, where each lag costs a quarter (at 48 kHz),
// and each lag found there is then refined on the signal itself, so the period is as exact as at
// the full rate. A lag's search stops at the first dip below the threshold, so a tone costs a
// fraction of what noise does.
// Where the work (when there is one) asks it to stop, the track ends where it has got to; it
// hears how far that is, from halfway (the decoding) to the end.
PitchTrack trackPitch(std::span<const float> signal, int sampleRate, LongWork* work = nullptr);

} // namespace ondulix
