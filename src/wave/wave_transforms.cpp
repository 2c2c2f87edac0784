#include "wave/wave_transforms.h"

#include "wave/number_text.h"

#include <algorithm>

namespace ondulix {

namespace {

int wrapped(int index)
{
    return (index + kSampleCount) % kSampleCount;
}

} // namespace

Wave inverted(const Wave& wave)
{
    Wave result {};
    std::transform(wave.begin(), wave.end(), result.begin(), [](int v) { return -v; });
    return result;
}

Wave reversed(const Wave& wave)
{
    Wave result {};
    std::reverse_copy(wave.begin(), wave.end(), result.begin());
    return result;
}

Wave rotatedLater(const Wave& wave)
{
    Wave result {};
    for (int i = 0; i < kSampleCount; ++i)
        result[i] = wave[wrapped(i - 1)];
    return result;
}

Wave rotatedEarlier(const Wave& wave)
{
    Wave result {};
    for (int i = 0; i < kSampleCount; ++i)
        result[i] = wave[wrapped(i + 1)];
    return result;
}

Wave smoothed(const Wave& wave)
{
    Wave result {};
    for (int i = 0; i < kSampleCount; ++i) {
        const long long sum = wave[wrapped(i - 1)] + 2LL * wave[i] + wave[wrapped(i + 1)];
        result[i] = static_cast<int>(divideRoundHalfEven(sum, 4));
    }
    return result;
}

} // namespace ondulix
