#pragma once

#include <cstdint>

// What the timer control does to its one window-system timer after a step.
struct TimerAction {
  bool kill = false;  // kill the armed timer first
  bool arm = false;   // then arm it anew with interval milliseconds
  std::int32_t interval = 0;

  bool operator==(const TimerAction&) const = default;
};

// The period of a timer control and whether its window-system timer is armed. There is at
// most one timer: a re-arm always kills the running one first.
class TimerPeriod {
 public:
  explicit TimerPeriod(std::int32_t period = 0) : period_(period) {}

  std::int32_t Period() const { return period_; }
  bool Running() const { return running_; }

  // The control's window exists: arm when the period is positive.
  TimerAction WindowCreated();
  // A negative value counts as 0; the same period again changes nothing, so a running timer
  // keeps its phase; a new positive period restarts the countdown, 0 stops.
  TimerAction Write(std::int32_t value);
  // The control's window is being destroyed.
  TimerAction WindowDestroyed();

 private:
  TimerAction Arm();

  std::int32_t period_;
  bool running_ = false;
};
