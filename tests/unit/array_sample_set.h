#pragma once

#include "wave/sample_set.h"

#include <array>
#include <vector>

namespace ondulix::testing {

// A sample set in memory that keeps, like the window does, a write of an unchanged value from
// doing anything, and records the index of every write that changed a value.
class ArraySampleSet : public SampleSet
{
public:
    ArraySampleSet() = default;
    explicit ArraySampleSet(const std::array<int, kSampleCount>& values)
        : values(values)
    { }

    int sample(int index) const override { return values.at(index); }
    void setSample(int index, int value) override
    {
        if (values.at(index) == value)
            return;
        values.at(index) = value;
        changes.push_back(index);
    }

    std::array<int, kSampleCount> values {};
    std::vector<int> changes;
};

} // namespace ondulix::testing
