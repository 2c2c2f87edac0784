#include "pattern/clipboard_text.h"

#include "wave/number_text.h"

namespace ondulix {

std::string clipboardText(const SampleSet& samples)
{
    return clipboardText(readWave(samples));
}

std::string clipboardText(const Wave& wave)
{
    std::string text = "ABC";
    for (const int sample : wave) {
        text += '\t';
        text += paddedForm(sample / kSampleScale);
    }
    return text;
}

} // namespace ondulix
