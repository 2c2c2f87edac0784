#pragma once

#include "wave/spectrum.h"

#include <span>

namespace ondulix {

// Editing a wave through its harmonics 1..16, as the harmonics window draws them: levels in
// decibels of full scale, where 0 dB is a sine of peak 500.
//
// Every edit takes the wave's spectrum, changes it, and makes 32 samples of it again: rounded
// half to even, and scaled down to a peak of 500 as Normalize scales when the new wave would go
// beyond +-500, never clipped. A wave with no edit comes back sample for sample.

// The scale of the harmonics window: a harmonic below the floor is removed (or shown as
// nothing), and the top leaves room for a full-scale square's fundamental, +2.1 dB.
inline constexpr double kHarmonicScaleTopDb = 6.0;
inline constexpr double kHarmonicScaleFloorDb = -60.0;

// A harmonic's level in the spectrum's sample units (its peak) and in dB of full scale; a level
// of 0 gives -infinity.
double decibelsOfLevel(double level);
double levelOfDecibels(double decibels);

// The scale as the view lays it out: a height of 0 is the top, 1 the floor. Pointer heights
// beyond the floor give levels below it (a removal); heights above the top give the top.
double decibelsAtHeight(double height);
// Where a level is drawn: limited to 0..1, and a level below the floor (or none) sits on it.
double heightOfDecibels(double decibels);

// The level in dB of harmonic h (1..16) of the wave.
double harmonicDecibels(const Wave& wave, int harmonic);

struct HarmonicLevel
{
    int harmonic = 1; // 1..16; any other is a fault of the caller: std::out_of_range
    double decibels = 0.0;
};

// Sets each harmonic to its level, in order, and resynthesises once. A harmonic keeps its
// phase; one that had nothing above the floor starts as a sine at sample 0 does. The 16th is the
// exception: its sine is 0 at every sample, so it starts as a cosine, +level at sample 0 (its
// sign is kept when it had a level). A level below the floor, or NaN, removes the harmonic; one
// above the top of the scale is taken as the top.
// During one drag, give it the wave as it was at the press and every level the drag has set so
// far: a wave scaled down at one step is then not scaled down again at the next.
Wave withHarmonicLevels(const Wave& wave, std::span<const HarmonicLevel> levels);
Wave withHarmonicLevel(const Wave& wave, int harmonic, double decibels);

// Up and Down in the harmonics window: the harmonic 1 dB up or down from the level it has, or
// from the floor when it has nothing above it. Near the floor a step may round to no change, or
// even to less: the step then goes on, 1 dB at a time, until the harmonic's level really moves
// that way, so that a key press is never lost. Up stops short of the top of the scale (the wave
// is returned as it was); Down ends in removing the harmonic.
Wave withHarmonicRaised(const Wave& wave, int harmonic);
Wave withHarmonicLowered(const Wave& wave, int harmonic);
Wave withoutHarmonic(const Wave& wave, int harmonic);
// The mean taken out, whatever the harmonics; what is left of it after rounding is below 1.
Wave withoutOffset(const Wave& wave);

} // namespace ondulix
