#pragma once

#include "platform/upward_scroll_bar.h"
#include "wave/sample_set.h"

#include <array>

namespace ondulix {

// The sample set as the window holds it: one value per sample slider, with no copy elsewhere.
// Made once the sliders exist.
class SliderSampleSet : public SampleSet
{
public:
    using Sliders = std::array<UpwardScrollBar*, kSampleCount>;

    explicit SliderSampleSet(const Sliders& sliders)
        : m_sliders(sliders)
    { }

    int sample(int index) const override { return m_sliders.at(index)->level(); }
    void setSample(int index, int value) override { m_sliders.at(index)->setLevel(value); }

private:
    Sliders m_sliders;
};

} // namespace ondulix
