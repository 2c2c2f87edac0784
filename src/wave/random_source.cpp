#include "wave/random_source.h"

#include <chrono>

namespace ondulix {

namespace {

// SplitMix64's step and finaliser: every bit of the input reaches every bit of the output.
constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ULL;

std::uint64_t mixBits(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// A float has 24 significant bits, so 24 random bits times 2^-24 give every step of 2^-24 in
// 0..1 - 2^-24 exactly, and never 1.
constexpr int kDrawBits = 24;
constexpr float kDrawScale = 1.0f / static_cast<float>(1u << kDrawBits);

} // namespace

std::uint64_t RandomSource::timeOfDay()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

RandomSource::RandomSource(Clock clock)
    : m_clock(std::move(clock))
    , m_state(kGoldenGamma)
{ }

void RandomSource::reseedFromClock()
{
    // Advancing the state before mixing the reading in keeps a repeated reading from leading
    // back to a state already used.
    m_state = mixBits(m_state + kGoldenGamma) ^ mixBits(m_clock());
}

float RandomSource::draw()
{
    m_state += kGoldenGamma;
    const auto bits = static_cast<std::uint32_t>(mixBits(m_state) >> (64 - kDrawBits));
    return static_cast<float>(bits) * kDrawScale;
}

} // namespace ondulix
