#include "pattern/line_morph.h"

#include "wave/number_text.h"
#include "wave/spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace ondulix {

namespace {

Wave crossfade(const Wave& a, const Wave& b, int k, int fromLine, int toLine)
{
    // Whole numbers throughout: a real t would land a hair beside the halves that must go even.
    Wave wave {};
    for (int i = 0; i < kSampleCount; ++i) {
        const long long weighted = static_cast<long long>(a[i]) * (toLine - k)
            + static_cast<long long>(b[i]) * (k - fromLine);
        wave[i] = static_cast<int>(divideRoundHalfEven(weighted, toLine - fromLine));
    }
    return wave;
}

std::complex<double> turnBetween(std::complex<double> a, std::complex<double> b, double t)
{
    double phaseA = std::arg(a);
    double phaseB = std::arg(b);
    if (std::abs(a) < kSilentHarmonicLevel)
        phaseA = phaseB;
    else if (std::abs(b) < kSilentHarmonicLevel)
        phaseB = phaseA;
    // remainder() gives the difference in -pi..pi: the shorter way. A wave and its inverse lie
    // half a turn apart, where both ways are as short and either keeps the level.
    const double turn = std::remainder(phaseB - phaseA, 2 * std::numbers::pi);
    const double level = std::abs(a) + t * (std::abs(b) - std::abs(a));
    return std::polar(level, phaseA + t * turn);
}

// The 16th harmonic can only be real, so turning its phase changes its level as cos(phase):
// between opposite signs it still moves smoothly from one to the other.
Wave spectralStep(const Spectrum& a, const Spectrum& b, double t)
{
    Spectrum between;
    between.offset = a.offset + t * (b.offset - a.offset);
    for (int h = 0; h < kSpectrumHarmonics; ++h)
        between.harmonic[h] = turnBetween(a.harmonic[h], b.harmonic[h], t);
    return fitToFullScale(waveOf(between));
}

} // namespace

std::vector<Wave> morphWaves(
    const Wave& from, const Wave& to, int fromLine, int toLine, MorphKind kind)
{
    std::vector<Wave> waves;
    if (!isPatternLine(fromLine) || !isPatternLine(toLine) || fromLine >= toLine - 1)
        return waves;
    waves.reserve(static_cast<std::size_t>(toLine - fromLine - 1));
    const Spectrum a = kind == MorphKind::Spectral ? spectrumOf(from) : Spectrum {};
    const Spectrum b = kind == MorphKind::Spectral ? spectrumOf(to) : Spectrum {};
    for (int k = fromLine + 1; k < toLine; ++k) {
        if (kind == MorphKind::Crossfade)
            waves.push_back(crossfade(from, to, k, fromLine, toLine));
        else
            waves.push_back(spectralStep(a, b, double(k - fromLine) / (toLine - fromLine)));
    }
    return waves;
}

int defaultMorphTo(const PatternTable& table, const EditedLine& current, int fromLine)
{
    for (int line = std::max(fromLine + 1, 1); line <= kPatternLineCount; ++line) {
        if (holdsSoundAsEdited(table, current, line))
            return line;
    }
    return kPatternLineCount;
}

MorphPlan planMorph(
    const PatternTable& table, const EditedLine& current, int fromLine, int toLine, MorphKind kind)
{
    MorphPlan plan;
    if (!isPatternLine(fromLine) || !isPatternLine(toLine)) {
        plan.refusal = "The lines to morph between must be lines 1 to 32; From is "
            + std::to_string(fromLine) + " and To is " + std::to_string(toLine) + ".";
        return plan;
    }
    if (std::abs(toLine - fromLine) < 2) {
        plan.refusal = "There is no line between line " + std::to_string(fromLine) + " and line "
            + std::to_string(toLine) + " to fill: From and To must lie at least two lines apart.";
        return plan;
    }
    // Downward is the same morph read from To's side: line k lies (k - To) / (From - To) of the
    // way from To's wave to From's.
    const int low = std::min(fromLine, toLine);
    const int high = std::max(fromLine, toLine);
    const Wave a = waveAsEdited(table, current, low);
    const Wave b = waveAsEdited(table, current, high);
    if (current.line == low || current.line == high)
        plan.writes.push_back({current.line, current.wave});
    int line = low;
    for (const Wave& wave : morphWaves(a, b, low, high, kind))
        plan.writes.push_back({++line, wave});
    return plan;
}

} // namespace ondulix
