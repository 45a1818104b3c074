#include "expr/ValueRounding.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"

std::size_t RoundThroughText(double value, double& rounded) {
    char text[kWorkTextSize];
    const std::size_t length = WriteValueText(value, text);
    if (length != 0)
        rounded = ReadNumber(text);
    return length;
}

int LongestValueText(int exponent) {
    // "-0.000123456", "-12345.6", "-1234570": a sign, the leading zeros and six digits with a point.
    if (exponent < 0)
        return 8 - exponent;
    return exponent <= 4 ? 8 : exponent + 2;
}
