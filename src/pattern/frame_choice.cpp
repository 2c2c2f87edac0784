#include "pattern/frame_choice.h"

#include "wave/number_text.h"

#include <algorithm>

namespace ondulix {

std::vector<FramePick> framesForLines(long long frameCount, int lineCount)
{
    std::vector<FramePick> picks;
    const long long lines = std::min<long long>(frameCount, lineCount);
    for (int line = 1; line <= lines; ++line) {
        // One line takes the first frame.
        const long long frame = frameCount <= lineCount ? line - 1
            : lineCount == 1                            ? 0
                             : divideRoundHalfEven((line - 1) * (frameCount - 1), lineCount - 1);
        picks.push_back({line, frame});
    }
    return picks;
}

std::vector<Wave> fitTogether(const std::vector<RealWave>& waves)
{
    const double factor = fullScaleFactor(waves.data(), waves.size());
    std::vector<Wave> fitted(waves.size());
    for (std::size_t w = 0; w < waves.size(); ++w) {
        for (int n = 0; n < kSampleCount; ++n)
            fitted[w][n] = roundToIntIn(waves[w][n] * factor, kSampleMin, kSampleMax);
    }
    return fitted;
}

} // namespace ondulix
