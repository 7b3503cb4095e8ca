#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfenv>

#include "uptime/number.h"

namespace {

TEST(NumberTest, TruncToInt64DropsTheFractionInEveryRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    EXPECT_EQ(TruncToInt64(2.9), 2);
    EXPECT_EQ(TruncToInt64(-2.9), -2);
    EXPECT_EQ(TruncToInt64(2.5), 2);
    EXPECT_EQ(TruncToInt64(-0.5), 0);
    EXPECT_EQ(TruncToInt64(9007199254740992.0), 9007199254740992LL);
    EXPECT_EQ(std::fegetround(), mode) << "the caller's rounding mode must stay";
  }
  std::fesetround(saved);
}

TEST(NumberTest, RemainderTakesTheSignOfTheDividend) {
  const struct {
    double a, b, remainder;
  } table[] = {
      {90061.0, 86400.0, 3661.0}, {-90061.0, 86400.0, -3661.0}, {3599.0, 3600.0, 3599.0},
      {-61.0, 60.0, -1.0},        {61.0, -60.0, 1.0},           {0.0, 60.0, 0.0},
      {-2147483.0, 3600.0, -1883.0},
  };
  for (const auto& row : table) EXPECT_EQ(Remainder(row.a, row.b), row.remainder) << row.a << " rem " << row.b;
}

TEST(NumberTest, RemainderByZeroIsFatal) {
  EXPECT_EXIT(Remainder(5.0, 0.0), ::testing::ExitedWithCode(255),
              ::testing::HasSubstr("错误信息：不能求余数于零\r\n"));
}

}  // namespace
