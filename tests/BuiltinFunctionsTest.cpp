#include "expr/BuiltinFunctions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An angle with its sine, cosine and tangent taken with 2200-bit arithmetic and rounded.
struct Angle {
    double v, sine, cosine, tangent;
};

// clang-format off
const Angle kAngles[] = {
    {0x1.c6bf526340000p+49, 0x1.b76f88136cebap-1, -0x1.06c154609d33fp-1, -0x1.ac23600a95be4p+0},   // 10^15
    {-0x1.c6bf526340000p+49, -0x1.b76f88136cebap-1, -0x1.06c154609d33fp-1, 0x1.ac23600a95be4p+0},  // -10^15
    {0x1.5af1d78b58c40p+66, -0x1.4a5e605fd6450p-1, 0x1.872720fc60d3dp-1, -0x1.b06fbbe995394p-1},  // 10^20
    {0x1.0f0cf064dd592p+73, -0x1.b453ab76bf397p-1, 0x1.0be2cef01c8f4p-1, -0x1.a0f79c1b6b257p+0},  // 10^22
    {0x1.921f9f01b866ep+1, 0x1.6428a6aa44cd0p-19, -0x1.fffffffff8420p-1, -0x1.6428a6aa4a2fcp-19},  // 3.14159
    {0x1.e848000000000p+19, -0x1.6664b2568d867p-2, 0x1.df9df9906d32cp-1, -0x1.7e9768ab734c0p-2},  // 10^6
    {0x1.921fb33333333p+19, -0x1.0858be515492bp-4, 0x1.feeebfee47670p-1, -0x1.08e61e2a59125p-4},  // 823549.6
    {0x1.249ad2594c37dp+332, -0x1.85c5e5b929359p-2, 0x1.d9757496841f5p-1, -0x1.a5807d6f76f7dp-2}, // 10^100
    // The double closest to a multiple of pi/2: its cosine is -2^-61 and some.
    {0x1.6ac5b262ca1ffp+849, 0x1.0000000000000p+0, -0x1.14ae72e6ba22fp-61, -0x1.d9ba9a7975636p+60},
    {0x1.fffffffffffffp+1023, 0x1.452fc98b34e97p-8, -0x1.fffe62ecfab75p-1, -0x1.4530cfe729484p-8}, // largest
    {-0x1.658e3ab795204p+830, 0x1.ccc450fc83333p-1, 0x1.be7cf26907583p-2, 0x1.082fdb0f5efa0p+1},   // -10^250
    // Angles of every day, which no runtime's sine decides for us either.
    {0x1.0000000000000p-1, 0x1.eaee8744b05f0p-2, 0x1.c1528065b7d50p-1, 0x1.17b4f5bf3474ap-1},      // 0.5
    {0x1.2f5c28f5c28f6p+1, 0x1.650196741c4dcp-1, -0x1.6f008c55915e8p-1, -0x1.f20e06e4d9304p-1},    // 2.37
    {-0x1.921fb54442d18p-1, -0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1, -0x1.fffffffffffffp-1},   // -pi/4
    {0x1.921fb54442d19p-1, 0x1.6a09e667f3bcdp-1, 0x1.6a09e667f3bccp-1, 0x1.0000000000001p+0},      // past pi/4
    {0x1.921fb54442d18p+0, 0x1.0000000000000p+0, 0x1.1a62633145c07p-54, 0x1.d02967c31cdb5p+53},    // pi/2
    {0x1.12e0be826d695p-30, 0x1.12e0be826d695p-30, 0x1.0000000000000p+0, 0x1.12e0be826d695p-30},  // 10^-9
    {0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997, 0x1.0000000000000p+0, 0x1.56e1fc2f8f359p-997}, // 10^-300
    {0x1.9000000000000p+6, -0x1.03425b78c4db8p-1, 0x1.b981dbf665fdfp-1, -0x1.2ca74d62b5d38p-1},    // 100
    {-0x1.f440000000000p+9, -0x1.fd948c50a7a0dp-1, 0x1.8dbff75eb664fp-4, -0x1.47f9f1c1f4871p+3},   // -1000.5
    {0x1.921fc00000000p+19, 0x1.51102efad6266p-2, 0x1.e377c09c4cce7p-1, 0x1.64f48bc66a118p-2},     // 823550
    {0x1.312d000000000p+23, 0x1.aea414a8a3352p-2, -0x1.d085be7a8f4a1p-1, -0x1.daa7d34937ac4p-2},   // 10^7
};
// clang-format on

// Every angle is reduced by the exact pi/2 and its remainder's sine and cosine taken by the
// program's own series, so both builds give these values whatever their C runtime does: sine and
// cosine within an ulp, the functions built on them within a few. A reduction by a rounded 2 pi
// is wrong from 10^15 on, and the runtimes' own sines differ by tens of ulps at 823549.6.
TEST(BuiltinFunctions, TrigonometryOfAnyFiniteAngleIsExactlyReduced) {
    for (const Angle& a : kAngles) {
        const double expected[6] = {a.sine, a.cosine, a.tangent, 1 / a.tangent, 1 / a.cosine, 1 / a.sine};
        for (int index = 0; index < 6; ++index) {
            bool ok = true;
            const double value = ApplyBuiltin(index, a.v, ok);
            const double ulps = index < 2 ? 1 : 4;
            EXPECT_TRUE(ok) << index << " of " << a.v;
            EXPECT_NEAR(value, expected[index], std::fabs(expected[index]) * 0x1p-52 * ulps)
                << index << " of " << a.v;
        }
    }
}

// A plot of an odd function is symmetric to the last bit: sine, tangent and cotangent are odd and
// cosine even for every angle, near zero, near multiples of pi/2 and far out.
TEST(BuiltinFunctions, TrigonometryIsExactlySymmetric) {
    for (double v = 0x1p-40; v < 1e300; v *= 1.37) {
        for (int index : {0, 2, 3, 5}) {
            bool ok = true, negatedOk = true;
            const double value = ApplyBuiltin(index, v, ok);
            EXPECT_EQ(ApplyBuiltin(index, -v, negatedOk), -value) << index << " of " << v;
            EXPECT_EQ(ok, negatedOk);
        }
        for (int index : {1, 4}) {
            bool ok = true, negatedOk = true;
            EXPECT_EQ(ApplyBuiltin(index, -v, negatedOk), ApplyBuiltin(index, v, ok)) << index << " of " << v;
        }
    }
}

} // namespace
