#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_object.h"
#include "ui/live_unit.h"
#include "ui/unit_kind.h"

// A stand-in control for engine tests: a plain child window that remembers which
// messages were dispatched to it, and an event it tries to raise while it is being made.
class ProbeControl final : public WindowObject, public LiveUnit {
 public:
  struct Creation {
    UnitId unitId;
    std::int32_t childId;
  };
  static inline std::vector<Creation> creations;
  // When set, creation of that unit fails.
  static inline UnitId failingUnit = 0;

  static LiveUnit* Create(const CreateArguments& arguments);
  static bool Write(LiveUnit& unit, std::int32_t number, const PropertyValue& value);
  static PropertyValue Read(LiveUnit& unit, std::int32_t number);

  NativeWindow Native() const override { return Handle(); }
  void Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;
  void SetShown(bool shown) override;
  void SetEnabled(bool enabled) override;

  std::vector<UINT> dispatched;

 private:
  ProbeControl(UnitId windowId, UnitId unitId) : windowId_(windowId), unitId_(unitId) {}
  LRESULT WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
  void AfterWindowGone() override;

  UnitId windowId_;
  UnitId unitId_;
};

// Replaces the operations of the label and timer kinds with the probe's.
void UseProbeControlsForLabelsAndTimers();
