#include "model/SampleRange.h"

double ParametricSampleT(double lower, double upper, int index) {
    if (lower == 0.0 && upper == 0.0) {
        lower = -kDefaultHalfRange;
        upper = kDefaultHalfRange;
    }
    const double step = (upper - lower) * 0.0005;
    double t = lower;
    for (int i = 0; i < index; ++i)
        t += step;
    return t;
}
