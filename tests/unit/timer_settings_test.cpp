#include <gtest/gtest.h>

#include "block_bytes.h"
#include "ui/timer_settings.h"

namespace {

TEST(TimerSettingsTest, ReadsVersionAndPeriodOrRefuses) {
  const struct {
    std::vector<std::uint8_t> block;
    std::optional<std::int32_t> period;
  } table[] = {
      {{}, 0},
      {{0, 0, 0, 0, 200, 0, 0, 0}, 200},
      {{1, 0, 0, 0, 0xFB, 0xFF, 0xFF, 0xFF}, -5},  // read as stored; only a write limits it
      {{2, 0, 0, 0, 200, 0, 0, 0}, std::nullopt},
      {{1, 0, 0, 0}, std::nullopt},
      {{1, 0, 0, 0, 200, 0, 0}, std::nullopt},
  };
  for (const auto& row : table) {
    const auto read = ReadTimerSettings(row.block.data(), row.block.size());
    const auto period = read ? std::optional(read->period) : std::nullopt;
    EXPECT_EQ(period, row.period) << "block of " << row.block.size();
  }
}

TEST(TimerSettingsTest, WritesVersionOne) {
  const auto block = WriteTimerSettings({200});
  ASSERT_EQ(block.size(), 8u);
  EXPECT_EQ(Int32At(block, 0), 1);
  EXPECT_EQ(Int32At(block, 4), 200);
}

}  // namespace
