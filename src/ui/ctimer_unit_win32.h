#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/child_unit_win32.h"
#include "ui/timer_period.h"

// The run-time object of a timer control: a hidden child window that owns window-system
// timer 1000 and raises the control's event 0 on each of its ticks.
class CTimerUnit final : public CChildUnit {
 public:
  // Null when the settings block is refused or the window can't be made. A stored positive
  // period starts the timer at once.
  static CTimerUnit* Build(const CreateArguments& arguments);


  void WritePeriod(std::int32_t value);
  std::int32_t Period() const { return period_.Period(); }

 private:
  using Entry = MessageEntry<CTimerUnit>;

  CTimerUnit(std::int32_t period, UnitId windowId, UnitId unitId);
  ~CTimerUnit() override = default;

  LRESULT WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  void Apply(const TimerAction& action);

  static const Entry kMessages[];

  TimerPeriod period_;
};
