#pragma once
// The scale engine's arithmetic: nice tick spacing and the rounding helpers,
// in extended precision.

#include <cstdint>

namespace qvx::scale {

struct TTickSpacing {
    long double First = 0;  // first multiple of Step not before Low (0.001 Step tolerance)
    long double Step = 0;   // carries the sign of the scale direction; 0 for Low = High
    uint16_t SubDiv = 1;    // short intervals per step
};

// The largest of 1, 2, 5 times a power of ten not above |High - Low| /
// MinTicks (a mantissa less than 1e-10 above 2 or 5 in log10 still counts
// as below it); MinTicks 0 gives unit steps.
TTickSpacing CalcTickSpacing(int32_t MinTicks, long double High, long double Low);

// Largest integer not above x / smallest not below x, clamped to 32 bits.
int32_t FloorInt(long double x);
int32_t CeilInt(long double x);
// Round half to even, as a 64-bit integer.
int64_t Round(long double x);
// 10^n exactly representable for the small n a scale needs.
long double Pow10(int32_t n);

}  // namespace qvx::scale
