#pragma once

#include <cstddef>

// The program's constant data: the divisors of the uptime arithmetic in double precision and
// the four unit texts, each one GBK character and its terminator. FreeBlock leaves it alone.
// The uptime text is computed in 64-bit integers, exact for every count; the doubles stay so
// that the block keeps its stored layout and size.
struct ConstantBlock {
  double millisecondsPerSecond;
  double secondsPerDay;
  double secondsPerHour;
  double secondsPerMinute;
  char daysUnit[3];
  char hoursUnit[3];
  char minutesUnit[3];
  char secondsUnit[3];
};

// The block's content ends after the last unit text; what follows is padding.
inline constexpr std::size_t kConstantBlockSize = offsetof(ConstantBlock, secondsUnit) + sizeof(ConstantBlock::secondsUnit);
static_assert(kConstantBlockSize == 44);

extern const ConstantBlock kConstantBlock;
