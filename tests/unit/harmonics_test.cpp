#include "sound/harmonics.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace ondulix {
namespace {

// The transform itself is the spectrum's (spectrum_test); here, its scale for the view: a square
// of +-500 less 100 has odd harmonics only, each 1 / (8 sin(pi k / 32)) of full scale (the
// sampled form of 4 / (pi k)), and an offset of -0.2.
TEST(Harmonics, AreInFullScaleWithTheOffsetApart)
{
    WaveSteps square {};
    for (int n = 0; n < 32; ++n)
        square[n] = static_cast<std::int16_t>((n < 16 ? 500 : -500) - 100);
    const Harmonics harmonics = harmonicsOf(square);
    EXPECT_NEAR(harmonics.offset, -0.2, 1e-12);
    for (int k = 1; k <= kHarmonicCount; ++k) {
        const double odd = 1.0 / (8.0 * std::sin(std::numbers::pi * k / 32.0));
        EXPECT_NEAR(harmonics.amplitude[k - 1], k % 2 == 1 ? odd : 0.0, 1e-9) << k;
    }
}

} // namespace
} // namespace ondulix
