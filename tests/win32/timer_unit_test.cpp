#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "lifecycle/window_engine.h"
#include "support/quiet_platform.h"
#include "support/test_units.h"
#include "ui/ctimer_unit_win32.h"
#include "ui/standard_kinds_win32.h"
#include "ui/timer_settings.h"

namespace {

constexpr UnitId kTimerId = 0x1601000D;
constexpr UINT_PTR kTimerWindowTimer = 1000;
// Long enough for any tick that is due to have come on a busy machine.
constexpr DWORD kPatience = 5000;

struct Ticks {
  int count = 0;
  std::int32_t argumentCount = -1;
};
Ticks ticks;

HandlerResult CountTick(const std::int32_t*, std::int32_t count) {
  ++ticks.count;
  ticks.argumentCount = count;
  return std::nullopt;
}

class TimerUnitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine(std::make_unique<QuietPlatform>());
    RegisterTestWindow({ControlRecord(kTimerId, kTimerKindCode, {{0, CountTick}})});
    ticks = {};
    parent_ = MakeTestParent();
  }

  CTimerUnit* Make(const std::vector<std::uint8_t>& block = {}) {
    return static_cast<CTimerUnit*>(MakeControl(parent_.Get(), kTimerId, block, 26, 26));
  }

  static void Write(CTimerUnit& timer, std::int32_t period) { WriteTimerProperty(timer, 0, {.integer = period}); }
  static std::int32_t Period(CTimerUnit& timer) { return ReadTimerProperty(timer, 0).integer; }

  static bool TicksReach(int count) { return PumpUntil([count] { return ticks.count >= count; }, kPatience); }

  // Probing by killing: true when timer 1000 was armed on the control's window.
  static bool WasArmed(CTimerUnit& timer) { return KillTimer(timer.Handle(), kTimerWindowTimer) != FALSE; }

  OwnedWindow parent_;
};

TEST_F(TimerUnitTest, TicksRaiseEventZeroWithoutArgumentsOnceAPeriodIsSet) {
  CTimerUnit* timer = Make();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(Period(*timer), 0);
  Write(*timer, 20);
  EXPECT_EQ(Period(*timer), 20);
  ASSERT_TRUE(TicksReach(3));
  EXPECT_EQ(ticks.argumentCount, 0);
}

TEST_F(TimerUnitTest, WritingTheSamePeriodAgainKeepsTheCountdown) {
  CTimerUnit* timer = Make();
  ASSERT_NE(timer, nullptr);
  // Rewritten every 50 ms, a restarted 200 ms countdown would never run out.
  for (int round = 0; round < 100 && ticks.count == 0; ++round) {
    Write(*timer, 200);
    PumpUntil([] { return ticks.count > 0; }, 50);
  }
  EXPECT_GT(ticks.count, 0);
}

TEST_F(TimerUnitTest, NegativePeriodStopsUntilAPositiveOneStartsItAgain) {
  CTimerUnit* timer = Make();
  ASSERT_NE(timer, nullptr);
  Write(*timer, 20);
  ASSERT_TRUE(TicksReach(1));
  Write(*timer, -5);
  EXPECT_EQ(Period(*timer), 0);
  EXPECT_FALSE(WasArmed(*timer));
  Write(*timer, 30);
  const int before = ticks.count;
  EXPECT_TRUE(TicksReach(before + 1));
  EXPECT_TRUE(WasArmed(*timer));
}

TEST_F(TimerUnitTest, StoredBlockSetsThePeriodAndAnUnknownVersionIsRefused) {
  CTimerUnit* timer = Make(WriteTimerSettings({.period = 30}));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(Period(*timer), 30);
  EXPECT_TRUE(TicksReach(1)) << "a stored period runs from creation";
  DestroyWindow(timer->Handle());

  const std::vector<std::uint8_t> version2{2, 0, 0, 0, 30, 0, 0, 0};
  EXPECT_EQ(Make(version2), nullptr);
  EXPECT_EQ(GetWindow(parent_.Get(), GW_CHILD), nullptr);
}

TEST_F(TimerUnitTest, TicksStopWhenTheParentWindowIsDestroyed) {
  CTimerUnit* timer = Make();
  ASSERT_NE(timer, nullptr);
  Write(*timer, 10);
  ASSERT_TRUE(TicksReach(2));
  parent_.Reset();
  EXPECT_EQ(FindUnitRecord(Engine().description.windows.front(), kTimerId)->liveObject, nullptr);
  const int before = ticks.count;
  // Twenty periods pass without a tick.
  EXPECT_FALSE(PumpUntil([before] { return ticks.count > before; }, 200));
}

}  // namespace
