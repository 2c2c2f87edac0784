#pragma once

namespace ondulix {

class SampleSet;

// Scales the samples so that the largest magnitude becomes full scale, 500, keeping shape and
// signs. Each sample becomes (500 / peak) x sample, rounded half to even, written in index order;
// a set of all zeros is left alone.
void normalize(SampleSet& samples);

} // namespace ondulix
