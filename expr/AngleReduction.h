#pragma once

// An angle v written as quadrant * pi/2 + r with |r| <= pi/4 (a little more at the rounding
// edge), r within an ulp or two of the remainder of the exact v by the exact pi/2. The C runtimes
// reduce huge angles differently, and a 64-bit 2 pi is wrong in the first digit of sin(10^20);
// reduced here, every build gives the same sine, cosine and tangent.
struct ReducedAngle {
    int quadrant; // 0 to 3
    double r;
};

// v must be finite.
ReducedAngle ReduceAngle(double v);
