#pragma once

namespace ondulix {

class DrawingSurface;
class RandomSource;
class SampleSet;

// The presets; the window's table of preset buttons says which button makes which.
enum class Preset
{
    Reset,
    Square,
    Sine,
    Ramp2, // rising
    Ramp1, // falling
    Triangle,
    DoubleSine,
    RandomExisting,
    Random,
};

// Sample `index` of a preset that always gives the same shape (Reset to DoubleSine).
int fixedPresetSample(Preset preset, int index);

// "Random Existing": the current value v scaled by a factor (r + 2) / 3 of at least 2/3 and
// below 1, so zeros stay zero and signs are kept.
int randomExistingSample(int value, float r);

// "Random": sin(r2 x index) x cos(r1 x index) x 500.
int randomSample(int index, float r1, float r2);

// Writes samples 0..31 of the preset in index order, each write that changes a value running the
// change handler before the next sample is computed, then redraws the graph once more. The random
// presets re-seed before every sample.
void generatePreset(Preset preset, SampleSet& samples, RandomSource& random, DrawingSurface& graph);

} // namespace ondulix
