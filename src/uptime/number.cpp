#include "uptime/number.h"

#include <cmath>

#include "lifecycle/runtime_error.h"

std::int64_t TruncToInt64(double x) {
  // A C++ conversion truncates by definition; no rounding mode is consulted or changed.
  return static_cast<std::int64_t>(x);
}

double Remainder(double a, double b) {
  if (b == 0.0) ReportRuntimeError("不能求余数于零", 0);
  return std::fmod(a, b);
}
