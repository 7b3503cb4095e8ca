#include <gtest/gtest.h>

#include "ui/timer_period.h"

namespace {

constexpr TimerAction kNothing{};
constexpr TimerAction ArmOnly(std::int32_t interval) { return {false, true, interval}; }
constexpr TimerAction Rearm(std::int32_t interval) { return {true, true, interval}; }
constexpr TimerAction KillOnly() { return {true, false, 0}; }

struct Step {
  std::int32_t written;
  TimerAction action;
  std::int32_t period;
  bool running;
};

void Replay(TimerPeriod& timer, std::initializer_list<Step> steps) {
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "write " << step.written);
    EXPECT_EQ(timer.Write(step.written), step.action);
    EXPECT_EQ(timer.Period(), step.period);
    EXPECT_EQ(timer.Running(), step.running);
  }
}

TEST(TimerPeriodTest, WritesFollowThePeriodRules) {
  TimerPeriod timer;
  EXPECT_EQ(timer.WindowCreated(), kNothing);
  EXPECT_FALSE(timer.Running());
  Replay(timer, {
                    {200, ArmOnly(200), 200, true},
                    {200, kNothing, 200, true},  // same period: the countdown keeps its phase
                    {500, Rearm(500), 500, true},  // never two timers: kill before re-arm
                    {-5, KillOnly(), 0, false},
                    {0, kNothing, 0, false},
                    {-1, kNothing, 0, false},
                    {200, ArmOnly(200), 200, true},  // a stopped timer starts again
                    {0, KillOnly(), 0, false},
                });
}

TEST(TimerPeriodTest, StoredPeriodArmsWhenTheWindowIsCreated) {
  TimerPeriod timer(300);
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(timer.WindowCreated(), ArmOnly(300));
  EXPECT_TRUE(timer.Running());
  Replay(timer, {{300, kNothing, 300, true}});
  EXPECT_EQ(timer.WindowDestroyed(), KillOnly());
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(timer.WindowDestroyed(), kNothing);
}

TEST(TimerPeriodTest, NonPositiveStoredPeriodStaysStopped) {
  for (const std::int32_t stored : {0, -7}) {
    TimerPeriod timer(stored);
    EXPECT_EQ(timer.WindowCreated(), kNothing);
    EXPECT_EQ(timer.WindowDestroyed(), kNothing);
  }
  // A negative stored period differs from the 0 a negative write becomes.
  TimerPeriod negative(-7);
  Replay(negative, {{-3, kNothing, 0, false}});
}

}  // namespace
