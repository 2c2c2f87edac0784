#include "pattern/clipboard_text.h"

#include "wave/number_text.h"

namespace ondulix {

std::string clipboardText(const SampleSet& samples)
{
    std::string text = "ABC";
    for (int i = 0; i < kSampleCount; ++i) {
        text += '\t';
        text += paddedForm(samples.sample(i) / kSampleScale);
    }
    return text;
}

} // namespace ondulix
