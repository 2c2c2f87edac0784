#pragma once

#include "wave/sample_set.h"

namespace ondulix {

// The wave transforms of the graph's menu. Each takes a whole wave and gives the new one; the
// window writes it back through the sample set, so the change handler runs for every sample
// that changes. None can leave the sample range.

// Every sample v becomes -v.
Wave inverted(const Wave& wave);
// Sample i takes the value of sample 31 - i.
Wave reversed(const Wave& wave);
// Sample i takes the value of sample i - 1; sample 0 takes the last one.
Wave rotatedLater(const Wave& wave);
// Sample i takes the value of sample i + 1; the last sample takes sample 0.
Wave rotatedEarlier(const Wave& wave);
// Each sample becomes (left + 2 x itself + right) / 4, its neighbours taken round the ends,
// rounded half to even: a gentle low-pass that keeps a flat wave flat.
Wave smoothed(const Wave& wave);

} // namespace ondulix
