#include "tools/VectorCalculation.h"

#include "tests/GbkLiterals.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Case {
    Vector3 a;
    Vector3 b;
    const char* text; // the whole result, in UTF-8 here
};

template <std::size_t N>
void Check(const Case (&cases)[N]) {
    for (const Case& c : cases)
        EXPECT_EQ(VectorCalculationText(c.a, c.b), Gbk(c.text))
            << "(" << c.a[0] << "," << c.a[1] << "," << c.a[2] << ") with (" << c.b[0] << "," << c.b[1] << ","
            << c.b[2] << ")";
}

// Angles in degrees of 180/π: perpendicular vectors meet at 90.00, not 90.01.
TEST(VectorCalculationText, WritesLengthsProductAndAngle) {
    const Case cases[] = {
        {{1, 0, 0}, {0, 1, 0}, "模：\r\n  a:1\r\n  b:1\r\n\r\n积：\r\n  0\r\n\r\n夹角：\r\n  90.00\r\n\r\n"},
        {{1, 1, 0},
         {1, 0, 0},
         "模：\r\n  a:1.41421\r\n  b:1\r\n\r\n积：\r\n  1\r\n\r\n夹角：\r\n  45.00\r\n\r\n"},
        {{1, 0, 0},
         {-1, 1, 0},
         "模：\r\n  a:1\r\n  b:1.41421\r\n\r\n积：\r\n  -1\r\n\r\n夹角：\r\n  135.00\r\n\r\n"},
        {{2, -3, 6},
         {1e-5, 0, 0},
         "模：\r\n  a:7\r\n  b:1e-05\r\n\r\n积：\r\n  2e-05\r\n\r\n夹角：\r\n  73.40\r\n\r\n"},
    };
    Check(cases);
}

// Same and opposite directions and zero vectors have no angle. The test is on the cross product,
// so rounded components still count as parallel, while a small true angle is still an angle.
TEST(VectorCalculationText, ReportsParallelVectorsWithoutAngle) {
    const Case cases[] = {
        {{1, 1, 1},
         {1, 1, 1},
         "模：\r\n  a:1.73205\r\n  b:1.73205\r\n\r\n积：\r\n  3\r\n\r\n夹角：\r\n  没有（即平行）\r\n\r\n"},
        {{1, 0, 0},
         {-2, 0, 0},
         "模：\r\n  a:1\r\n  b:2\r\n\r\n积：\r\n  -2\r\n\r\n夹角：\r\n  没有（即平行）\r\n\r\n"},
        {{0.1, 0.1, 0.1},
         {-0.2, -0.2, -0.2},
         "模：\r\n  a:0.173205\r\n  b:0.34641\r\n\r\n积：\r\n  -0.06\r\n\r\n夹角：\r\n  "
         "没有（即平行）\r\n\r\n"},
        {{0.3, 0.7, 0.1},
         {-0.6, -1.4, -0.2},
         "模：\r\n  a:0.768115\r\n  b:1.53623\r\n\r\n积：\r\n  -1.18\r\n\r\n夹角：\r\n  "
         "没有（即平行）\r\n\r\n"},
        {{0, 0, 0},
         {1, 2, 3},
         "模：\r\n  a:0\r\n  b:3.74166\r\n\r\n积：\r\n  0\r\n\r\n夹角：\r\n  没有（即平行）\r\n\r\n"},
        {{1, 0, 0},
         {1, 1e-6, 0},
         "模：\r\n  a:1\r\n  b:1\r\n\r\n积：\r\n  1\r\n\r\n夹角：\r\n  0.00\r\n\r\n"},
    };
    Check(cases);
}

// Lengths of large components do not overflow; a product that does is "没有", one that only
// overflows on the way is still written; infinite components give no values.
TEST(VectorCalculationText, WritesNoneForOverflowsAndNonFiniteComponents) {
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {{1e200, 1e200, 0},
         {1e200, 1e200, 0},
         "模：\r\n  a:1.41421e+200\r\n  b:1.41421e+200\r\n\r\n积：\r\n  没有\r\n\r\n夹角：\r\n  "
         "没有（即平行）\r\n\r\n"},
        {{1e200, 1e200, 0},
         {1e200, -1e200, 0},
         "模：\r\n  a:1.41421e+200\r\n  b:1.41421e+200\r\n\r\n积：\r\n  0\r\n\r\n夹角：\r\n  90.00\r\n\r\n"},
        {{inf, 0, 0},
         {1, 0, 0},
         "模：\r\n  a:没有\r\n  b:1\r\n\r\n积：\r\n  没有\r\n\r\n夹角：\r\n  没有\r\n\r\n"},
        {{0, 0, 0},
         {-inf, 1, 1},
         "模：\r\n  a:0\r\n  b:没有\r\n\r\n积：\r\n  没有\r\n\r\n夹角：\r\n  没有\r\n\r\n"},
    };
    Check(cases);
}

TEST(VectorCalculationText, NeverWritesNegativeZero) {
    const Case cases[] = {
        {{-1, -1, -1},
         {0, 0, 0},
         "模：\r\n  a:1.73205\r\n  b:0\r\n\r\n积：\r\n  0\r\n\r\n夹角：\r\n  没有（即平行）\r\n\r\n"},
        {{-0.0, -0.0, -0.0},
         {-0.0, 0, 0},
         "模：\r\n  a:0\r\n  b:0\r\n\r\n积：\r\n  0\r\n\r\n夹角：\r\n  没有（即平行）\r\n\r\n"},
    };
    Check(cases);
}

} // namespace
