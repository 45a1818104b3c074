#pragma once

// The range a graph is sampled over when both its bounds are 0: -10 to 10.
inline constexpr double kDefaultHalfRange = 10.0;

// The parameter t of sample `index` of a parametric equation with these bounds, made exactly as
// the sampler makes it: t starts at the lower bound and grows by (upper - lower) / 2000 at each
// sample, so that the rounding of every addition is the sampler's.
double ParametricSampleT(double lower, double upper, int index);
