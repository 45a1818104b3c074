#pragma once

// Sine, cosine, tangent and cotangent of any finite angle in radians, with the same bits on every
// build: sine and cosine within an ulp of the exact value, tangent and cotangent within three.
// The angle is reduced by the exact pi/2 and the remainder's functions are taken by polynomials
// of our own, never by the C runtime, whose sines differ from one runtime to the next by up to
// tens of ulps.
double Sine(double v);
double Cosine(double v);
double Tangent(double v);
double Cotangent(double v);
