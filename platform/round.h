#pragma once
#include <cmath>

// Round to nearest, halves to even: the rounding of every length and shade
// the program computes. nearbyint follows the default rounding mode, which
// is exactly that.
inline double RoundHalfEven(double value) { return std::nearbyint(value); }
