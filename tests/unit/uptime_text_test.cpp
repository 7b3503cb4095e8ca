#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "counting_heap.h"
#include "lifecycle/console_platform.h"
#include "lifecycle/window_engine.h"
#include "uptime/block.h"
#include "uptime/number.h"
#include "uptime/uptime_text.h"

namespace {

struct Owned {
  char* text;
  explicit Owned(char* t) : text(t) {}
  ~Owned() { FreeBlock(text); }
};

// Independent oracle: the breakdown step by step in double precision with truncation,
// formatted by printf. Exact while counts stay well below 2^53 (here below 2^40).
constexpr std::int64_t kOracleLimit = std::int64_t{1} << 40;

std::string Expected(std::int64_t count) {
  const auto quotient = [](double a, double b) { return TruncToInt64(a / b); };
  const std::int64_t s = quotient(static_cast<double>(count), 1000.0);
  const auto total = static_cast<double>(s);
  const std::int64_t withinHour = TruncToInt64(Remainder(total, 3600.0));
  char text[96];
  std::snprintf(text, sizeof text, "%" PRId64 "天%" PRId64 "时%" PRId64 "分%" PRId64 "秒", quotient(total, 86400.0),
                quotient(static_cast<double>(TruncToInt64(Remainder(total, 86400.0))), 3600.0),
                quotient(static_cast<double>(withinHour), 60.0),
                TruncToInt64(Remainder(static_cast<double>(withinHour), 60.0)));
  return text;
}

struct WorkedValue {
  std::int64_t count;
  const char* text;
  std::size_t bytes;
};

class FormatUptimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine(std::make_unique<ConsolePlatform>());
    Engine().heap = CountingHeap::Heap();
  }
};

TEST_F(FormatUptimeTest, WorkedValues) {
  const WorkedValue table[] = {
      {0, "0天0时0分0秒", 13},
      {999, "0天0时0分0秒", 13},
      {1000, "0天0时0分1秒", 13},
      {59999, "0天0时0分59秒", 14},
      {60000, "0天0时1分0秒", 13},
      {3599999, "0天0时59分59秒", 15},
      {3600000, "0天1时0分0秒", 13},
      {86399999, "0天23时59分59秒", 16},
      {86400000, "1天0时0分0秒", 13},
      {90061000, "1天1时1分1秒", 13},
      {123456789, "1天10时17分36秒", 16},
      {2147483647, "24天20时31分23秒", 17},
      {-2147483648LL, "-24天-20时-31分-23秒", 21},
      {-86400000, "-1天0时0分0秒", 14},
      {-1000, "0天0时0分-1秒", 14},
      {-999, "0天0时0分0秒", 13},
      {-1, "0天0时0分0秒", 13},
      {2147483648LL, "24天20时31分23秒", 17},
      {4294967295LL, "49天17时2分47秒", 16},
      {4294967296LL, "49天17时2分47秒", 16},
      {31536000000LL, "365天0时0分0秒", 15},
      {std::numeric_limits<std::int64_t>::max(), "106751991167天7时12分55秒", 26},
      {std::numeric_limits<std::int64_t>::min(), "-106751991167天-7时-12分-55秒", 30},
  };
  for (const auto& row : table) {
    Owned result(FormatUptime(row.count));
    EXPECT_STREQ(result.text, row.text) << "count " << row.count;
    EXPECT_EQ(std::strlen(result.text) + 1, row.bytes) << "count " << row.count;
  }
}

TEST_F(FormatUptimeTest, UnitBoundariesAgreeWithTheStepwiseBreakdown) {
  const std::int64_t units[] = {1000, 60000, 3600000, 86400000, 1LL << 31, 1LL << 32, 1LL << 30};
  for (std::int64_t unit : units) {
    for (std::int64_t multiple : {1, 2, 7, 59, 60, 61, 1000}) {
      for (std::int64_t delta : {-1, 0, 1}) {
        for (std::int64_t sign : {1, -1}) {
          const std::int64_t count = sign * (unit * multiple + delta);
          Owned result(FormatUptime(count));
          EXPECT_EQ(result.text, Expected(count)) << "count " << count;
        }
      }
    }
  }
}

TEST_F(FormatUptimeTest, RandomCountsAgreeWithTheStepwiseBreakdown) {
  std::mt19937_64 random(20261211);
  std::uniform_int_distribution<std::int64_t> any(-kOracleLimit, kOracleLimit);
  std::uniform_int_distribution<std::int32_t> small;
  for (int i = 0; i < 200000; ++i) {
    const std::int64_t count = i % 2 == 0 ? any(random) : small(random);
    Owned result(FormatUptime(count));
    ASSERT_EQ(result.text, Expected(count)) << "count " << count;
  }
}

TEST_F(FormatUptimeTest, LeavesExactlyOneLiveBlockItsResult) {
  char* result = FormatUptime(123456789);
  EXPECT_THAT(CountingHeap::live, ::testing::ElementsAre(static_cast<void*>(result)));
  FreeBlock(result);
  EXPECT_TRUE(CountingHeap::live.empty());
}

}  // namespace
