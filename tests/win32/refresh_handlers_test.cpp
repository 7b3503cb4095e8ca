#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "../unit/counting_heap.h"
#include "lifecycle/handler_adapter.h"
#include "lifecycle/window_engine.h"
#include "support/quiet_platform.h"
#include "support/test_units.h"
#include "ui/label_settings.h"
#include "ui/refresh_handlers_win32.h"
#include "ui/standard_kinds_win32.h"
#include "uptime/block.h"
#include "uptime/uptime_text.h"

namespace {

constexpr UnitId kUptimeLabel = 0x1601000E;
constexpr UnitId kRefreshTimer = 0x1601000D;

std::string Formatted(std::int64_t count) {
  char* text = FormatUptime(count);
  std::string copy = text;
  FreeBlock(text);
  return copy;
}

class RefreshHandlersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine(std::make_unique<QuietPlatform>());
    RegisterTestWindow({ControlRecord(kUptimeLabel, kLabelKindCode),
                        ControlRecord(kRefreshTimer, kTimerKindCode, {{0, InvokeHandler<&HandleRefreshTick>}})});
    parent_ = MakeTestParent();
    LabelSettings settings;
    settings.caption.clear();
    label_ = MakeControl(parent_.Get(), kUptimeLabel, WriteLabelSettings(settings), 344, 48);
    timer_ = MakeControl(parent_.Get(), kRefreshTimer, {}, 26, 26);
    ASSERT_NE(label_, nullptr);
    ASSERT_NE(timer_, nullptr);
  }

  std::string Caption() { return ReadLabelProperty(*label_, 0).text; }

  // The caption is the text of some count between the two readings: the text changes
  // only from one whole second to the next.
  void ExpectUptimeBetween(std::int64_t before, std::int64_t after) {
    const std::string caption = Caption();
    bool found = false;
    for (std::int64_t second = before / 1000; second <= after / 1000 && !found; ++second)
      found = caption == Formatted(second * 1000);
    EXPECT_TRUE(found) << caption << " is not the uptime between " << before << " and " << after;
  }

  OwnedWindow parent_;
  LiveUnit* label_ = nullptr;
  LiveUnit* timer_ = nullptr;
};

TEST_F(RefreshHandlersTest, RefreshTickPutsTheUptimeIntoTheLabelAndKeepsNoText) {
  Engine().heap = CountingHeap::Heap();
  const std::int64_t before = ReadTickCount();
  HandleRefreshTick();
  const std::int64_t after = ReadTickCount();
  EXPECT_TRUE(CountingHeap::live.empty());
  ExpectUptimeBetween(before, after);
}

TEST_F(RefreshHandlersTest, WindowReadyStartsTheTimerWhoseTicksRefreshTheLabel) {
  EXPECT_EQ(ReadTimerProperty(*timer_, 0).integer, 0);
  HandleWindowReady();
  EXPECT_EQ(ReadTimerProperty(*timer_, 0).integer, 200);
  const std::int64_t before = ReadTickCount();
  ASSERT_TRUE(PumpUntil([this] { return !Caption().empty(); }, 5000));
  ExpectUptimeBetween(before, ReadTickCount());
}

}  // namespace
