#pragma once

#include <array>
#include <string>

namespace ondulix {

inline constexpr int kSampleCount = 32;
inline constexpr int kSampleMin = -500;
inline constexpr int kSampleMax = 500;
// A sample value v stands for the real number v / 1000, so the full scale is -0.5 .. +0.5.
inline constexpr double kSampleScale = 1000.0;

// The one waveform being edited. Its 32 values live in the window's sample sliders; the logic
// reads and writes them only through this interface. A write of a new value runs the slider
// change handler before it returns; a write of the value already held runs nothing.
class SampleSet
{
public:
    virtual ~SampleSet() = default;
    virtual int sample(int index) const = 0;
    virtual void setSample(int index, int value) = 0;
};

// The 32 values of a wave, held apart from the sliders: what the transforms and the paste
// forms work on.
using Wave = std::array<int, kSampleCount>;

Wave readWave(const SampleSet& samples);
// Writes the wave in index order, so each changed sample runs the change handler in turn.
void writeWave(const Wave& wave, SampleSet& samples);

// The readouts beside the sliders: the 1-based number and the value of the last changed sample.
std::string sampleNumberText(int index);
std::string sampleValueText(int value);

} // namespace ondulix
