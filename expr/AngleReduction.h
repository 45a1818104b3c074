#pragma once

// An angle v written as quadrant * pi/2 + r + tail with |r| <= pi/4 (a little more at the
// rounding edge): r is the remainder of the exact v by the exact pi/2 rounded to a double, and
// tail the rest of it, good to far below an ulp of r. The C runtimes reduce huge angles
// differently, and a 64-bit 2 pi is wrong in the first digit of sin(10^20); reduced here, every
// build gives the same sine, cosine and tangent.
struct ReducedAngle {
    int quadrant; // 0 to 3
    double r;
    double tail;
};

// v must be finite.
ReducedAngle ReduceAngle(double v);
