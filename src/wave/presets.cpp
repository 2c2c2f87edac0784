#include "wave/presets.h"

#include "wave/graph.h"
#include "wave/number_text.h"
#include "wave/random_source.h"
#include "wave/sample_set.h"

#include <cmath>

namespace ondulix {

namespace {

// pi / 16 to 15 significant digits, kept as written: the sine presets' values are defined by it.
constexpr double kAngleStep = 0.196349540849362;
constexpr double kAmplitude = 500;
constexpr double kHalfAmplitude = 250;
constexpr double kRampSlope = 31.25;
constexpr double kTriangleSlope = 62.5;
constexpr int kHalfWay = 16; // Square and Double Sine change at sample 16
constexpr int kTriangleTop = 8;
constexpr int kTriangleBottom = 24;

int rounded(double value)
{
    return roundToIntIn(value, kSampleMin, kSampleMax);
}

double triangle(int index)
{
    const double i = index;
    if (index <= kTriangleTop)
        return i * kTriangleSlope;
    if (index <= kTriangleBottom)
        return 1000 - i * kTriangleSlope;
    return (index - kTriangleBottom) * kTriangleSlope - kAmplitude;
}

double doubleSine(int index)
{
    const double angle = (index * kAngleStep) * 2;
    return std::sin(angle) * (index < kHalfWay ? kAmplitude : kHalfAmplitude);
}

int nextSample(Preset preset, int index, const SampleSet& samples, RandomSource& random)
{
    if (preset == Preset::RandomExisting) {
        random.reseedFromClock();
        const int value = samples.sample(index);
        return randomExistingSample(value, random.draw());
    }
    if (preset == Preset::Random) {
        random.reseedFromClock();
        const float r1 = random.draw();
        return randomSample(index, r1, random.draw());
    }
    return fixedPresetSample(preset, index);
}

} // namespace

int fixedPresetSample(Preset preset, int index)
{
    const double i = index;
    switch (preset) {
    case Preset::Square:
        return index < kHalfWay ? kSampleMax : kSampleMin;
    case Preset::Sine:
        return rounded(std::sin(i * kAngleStep) * kAmplitude);
    case Preset::Ramp2:
        return rounded(i * kRampSlope - kAmplitude);
    case Preset::Ramp1:
        return rounded(i * -kRampSlope + kAmplitude);
    case Preset::Triangle:
        return rounded(triangle(index));
    case Preset::DoubleSine:
        return rounded(doubleSine(index));
    default: // Reset; the random presets have no fixed shape
        return 0;
    }
}

int randomExistingSample(int value, float r)
{
    const double v = value;
    return rounded((r * v + v + v) / 3);
}

int randomSample(int index, float r1, float r2)
{
    const double i = index;
    const double c = std::cos(r1 * i);
    const double s = std::sin(r2 * i);
    return rounded(s * c * kAmplitude);
}

void generatePreset(Preset preset, SampleSet& samples, RandomSource& random, DrawingSurface& graph)
{
    for (int i = 0; i < kSampleCount; ++i)
        samples.setSample(i, nextSample(preset, i, samples, random));
    // Once more even when nothing changed, so the graph always ends up drawn.
    redrawGraph(samples, graph);
}

} // namespace ondulix
