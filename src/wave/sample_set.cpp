#include "wave/sample_set.h"

#include "wave/number_text.h"

namespace ondulix {

Wave readWave(const SampleSet& samples)
{
    Wave wave {};
    for (int i = 0; i < kSampleCount; ++i)
        wave[i] = samples.sample(i);
    return wave;
}

void writeWave(const Wave& wave, SampleSet& samples)
{
    for (int i = 0; i < kSampleCount; ++i)
        samples.setSample(i, wave[i]);
}

std::string sampleNumberText(int index)
{
    return std::to_string(index + 1);
}

std::string sampleValueText(int value)
{
    return generalForm(value / kSampleScale);
}

} // namespace ondulix
