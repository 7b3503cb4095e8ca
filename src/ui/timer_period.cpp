#include "ui/timer_period.h"

#include <algorithm>

TimerAction TimerPeriod::Arm() {
  TimerAction action{.kill = running_};
  // Arming counts as running whatever the window system answers.
  running_ = period_ > 0;
  if (running_) {
    action.arm = true;
    action.interval = period_;
  }
  return action;
}

TimerAction TimerPeriod::WindowCreated() { return Arm(); }

TimerAction TimerPeriod::Write(std::int32_t value) {
  value = std::max(value, 0);
  if (value == period_) return {};
  period_ = value;
  return Arm();
}

TimerAction TimerPeriod::WindowDestroyed() {
  TimerAction action{.kill = running_};
  running_ = false;
  return action;
}
