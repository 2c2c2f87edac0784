#include "wave/sample_set.h"

#include "wave/number_text.h"

namespace ondulix {

std::string sampleNumberText(int index)
{
    return std::to_string(index + 1);
}

std::string sampleValueText(int value)
{
    return generalForm(value / kSampleScale);
}

} // namespace ondulix
