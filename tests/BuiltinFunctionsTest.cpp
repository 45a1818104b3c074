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
};
// clang-format on

// Huge angles are reduced by the exact pi, so both builds give these values whatever their C
// runtime does with a huge argument; a reduction by a rounded 2 pi is wrong from 10^15 on.
TEST(BuiltinFunctions, TrigonometryOfAnyFiniteAngleIsExactlyReduced) {
    for (const Angle& a : kAngles) {
        const double expected[6] = {a.sine, a.cosine, a.tangent, 1 / a.tangent, 1 / a.cosine, 1 / a.sine};
        for (int index = 0; index < 6; ++index) {
            bool ok = true;
            const double value = ApplyBuiltin(index, a.v, ok);
            EXPECT_TRUE(ok) << index << " of " << a.v;
            EXPECT_NEAR(value, expected[index], std::fabs(expected[index]) * 1e-15) << index << " of " << a.v;
        }
    }
}

} // namespace
