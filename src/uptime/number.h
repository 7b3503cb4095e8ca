#pragma once

#include <cstdint>

// Drops the fraction toward zero whatever rounding mode is in force.
std::int64_t TruncToInt64(double x);

// a - b * trunc(a / b): the sign of a, a magnitude below |b|. A zero divisor is fatal.
double Remainder(double a, double b);
