#include "tools/LineCalculation.h"

#include "tests/GbkLiterals.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Case {
    LineCoefficients first;
    LineCoefficients second;
    const char* text; // the whole result, in UTF-8 here
};

template <std::size_t N>
void Check(const Case (&cases)[N]) {
    for (const Case& c : cases)
        EXPECT_EQ(LineCalculationText(c.first, c.second), Gbk(c.text))
            << c.first.a << "," << c.first.b << "," << c.first.c << " with " << c.second.a << ","
            << c.second.b << "," << c.second.c;
}

// Inclinations lie in [0, 180) and angles are in degrees of 180/π: y = -x leans at 135.00, and
// slopes 1 and 0.5 meet at 18.43.
TEST(LineCalculationText, WritesEverySectionForOrdinaryLines) {
    const Case cases[] = {
        {{1, 1, 1},
         {1, 1, 1},
         "斜率：\r\n  a:-1\r\n  b:-1\r\n\r\n"
         "倾角：\r\n  a:135.00\r\n  b:135.00\r\n\r\n"
         "Y轴截距：\r\n  a:-1\r\n  b:-1\r\n\r\n"
         "X轴截距：\r\n  a:-1\r\n  b:-1\r\n\r\n"
         "夹角：\r\n  0.00\r\n\r\n"},
        {{1, -1, 0},
         {1, -2, 0},
         "斜率：\r\n  a:1\r\n  b:0.5\r\n\r\n"
         "倾角：\r\n  a:45.00\r\n  b:26.57\r\n\r\n"
         "Y轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "X轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "夹角：\r\n  18.43\r\n\r\n"},
        {{2, -4, 3},
         {-1, -3, 6},
         "斜率：\r\n  a:0.5\r\n  b:-0.333333\r\n\r\n"
         "倾角：\r\n  a:26.57\r\n  b:161.57\r\n\r\n"
         "Y轴截距：\r\n  a:0.75\r\n  b:2\r\n\r\n"
         "X轴截距：\r\n  a:-1.5\r\n  b:6\r\n\r\n"
         "夹角：\r\n  45.00\r\n\r\n"},
    };
    Check(cases);
}

// The angle comes from the coefficients, so perpendicular lines give 90.00 and parallel ones
// 0.00 however their slopes were rounded.
TEST(LineCalculationText, FindsPerpendicularAndParallelLinesWithRoundedCoefficients) {
    const Case cases[] = {
        {{1, -1, 0},
         {1, 1, 0},
         "斜率：\r\n  a:1\r\n  b:-1\r\n\r\n"
         "倾角：\r\n  a:45.00\r\n  b:135.00\r\n\r\n"
         "Y轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "X轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "夹角：\r\n  90.00\r\n\r\n"},
        {{0.3, 0.7, 0},
         {0.7, -0.3, 0},
         "斜率：\r\n  a:-0.428571\r\n  b:2.33333\r\n\r\n"
         "倾角：\r\n  a:156.80\r\n  b:66.80\r\n\r\n"
         "Y轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "X轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "夹角：\r\n  90.00\r\n\r\n"},
        {{0.1, 0.3, 0},
         {0.2, 0.6, 1},
         "斜率：\r\n  a:-0.333333\r\n  b:-0.333333\r\n\r\n"
         "倾角：\r\n  a:161.57\r\n  b:161.57\r\n\r\n"
         "Y轴截距：\r\n  a:0\r\n  b:-1.66667\r\n\r\n"
         "X轴截距：\r\n  a:0\r\n  b:-5\r\n\r\n"
         "夹角：\r\n  0.00\r\n\r\n"},
    };
    Check(cases);
}

// A vertical line has no slope and no y-intercept, a horizontal one no x-intercept; the other
// line keeps its values, and two such lines show "没有" for both.
TEST(LineCalculationText, WritesNoneForVerticalAndHorizontalLines) {
    const Case cases[] = {
        {{0, 1, -2},
         {1, -1, 0},
         "斜率：\r\n  a:0\r\n  b:1\r\n\r\n"
         "倾角：\r\n  a:0.00\r\n  b:45.00\r\n\r\n"
         "Y轴截距：\r\n  a:2\r\n  b:0\r\n\r\n"
         "X轴截距：\r\n  a:没有\r\n  b:0\r\n\r\n"
         "夹角：\r\n  45.00\r\n\r\n"},
        {{1, 0, -3},
         {0, 1, -2},
         "斜率：\r\n  a:没有\r\n  b:0\r\n\r\n"
         "倾角：\r\n  a:90.00\r\n  b:0.00\r\n\r\n"
         "Y轴截距：\r\n  a:没有\r\n  b:2\r\n\r\n"
         "X轴截距：\r\n  a:3\r\n  b:没有\r\n\r\n"
         "夹角：\r\n  90.00\r\n\r\n"},
        {{1, 1, 1},
         {-2, 0, 1},
         "斜率：\r\n  a:-1\r\n  b:没有\r\n\r\n"
         "倾角：\r\n  a:135.00\r\n  b:90.00\r\n\r\n"
         "Y轴截距：\r\n  a:-1\r\n  b:没有\r\n\r\n"
         "X轴截距：\r\n  a:-1\r\n  b:0.5\r\n\r\n"
         "夹角：\r\n  45.00\r\n\r\n"},
        {{1, 0, -3},
         {2, 0, 1},
         "斜率：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "倾角：\r\n  a:90.00\r\n  b:90.00\r\n\r\n"
         "Y轴截距：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "X轴截距：\r\n  a:3\r\n  b:-0.5\r\n\r\n"
         "夹角：\r\n  0.00\r\n\r\n"},
        {{0, 1, -2},
         {0, 2, 4},
         "斜率：\r\n  a:0\r\n  b:0\r\n\r\n"
         "倾角：\r\n  a:0.00\r\n  b:0.00\r\n\r\n"
         "Y轴截距：\r\n  a:2\r\n  b:-2\r\n\r\n"
         "X轴截距：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "夹角：\r\n  0.00\r\n\r\n"},
    };
    Check(cases);
}

// Zeros typed or computed with a minus sign are written "0" and "0.00", and a slope a hair below
// zero leans at 0.00, not 180.00.
TEST(LineCalculationText, NeverWritesNegativeZeroOr180) {
    const Case cases[] = {
        {{-0.0, -1, 0},
         {0, 1, -0.0},
         "斜率：\r\n  a:0\r\n  b:0\r\n\r\n"
         "倾角：\r\n  a:0.00\r\n  b:0.00\r\n\r\n"
         "Y轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "X轴截距：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "夹角：\r\n  0.00\r\n\r\n"},
        {{1e-5, 1, 0},
         {0, -1, 0},
         "斜率：\r\n  a:-1e-05\r\n  b:0\r\n\r\n"
         "倾角：\r\n  a:0.00\r\n  b:0.00\r\n\r\n"
         "Y轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "X轴截距：\r\n  a:0\r\n  b:没有\r\n\r\n"
         "夹角：\r\n  0.00\r\n\r\n"},
    };
    Check(cases);
}

// A quotient that overflows is "没有"; the inclination and the angle never divide, so they
// exist however large the coefficients. A line with a non-finite coefficient has no values.
TEST(LineCalculationText, WritesNoneForOverflowsAndNonFiniteCoefficients) {
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {{1e200, 1e-200, 1},
         {1, 1, 1},
         "斜率：\r\n  a:没有\r\n  b:-1\r\n\r\n"
         "倾角：\r\n  a:90.00\r\n  b:135.00\r\n\r\n"
         "Y轴截距：\r\n  a:-1e+200\r\n  b:-1\r\n\r\n"
         "X轴截距：\r\n  a:-1e-200\r\n  b:-1\r\n\r\n"
         "夹角：\r\n  45.00\r\n\r\n"},
        {{1e308, 1e308, 0},
         {1e308, -1e308, 0},
         "斜率：\r\n  a:-1\r\n  b:1\r\n\r\n"
         "倾角：\r\n  a:135.00\r\n  b:45.00\r\n\r\n"
         "Y轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "X轴截距：\r\n  a:0\r\n  b:0\r\n\r\n"
         "夹角：\r\n  90.00\r\n\r\n"},
        {{inf, 1, 0},
         {1, 1, inf},
         "斜率：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "倾角：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "Y轴截距：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "X轴截距：\r\n  a:没有\r\n  b:没有\r\n\r\n"
         "夹角：\r\n  没有\r\n\r\n"},
    };
    Check(cases);
}

// The page refuses a line only when both coefficients of x and y are 0.
TEST(IsStraightLine, RefusesOnlyZeroCoefficientsOfXAndY) {
    const struct {
        LineCoefficients line;
        bool straight;
    } cases[] = {
        {{0, 0, 5}, false}, {{0, 0, 0}, false}, {{-0.0, 0, 1}, false},
        {{0, 1, 5}, true},  {{1, 0, 0}, true},  {{1e-300, 0, 0}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsStraightLine(c.line), c.straight) << c.line.a << "," << c.line.b << "," << c.line.c;
}

} // namespace
