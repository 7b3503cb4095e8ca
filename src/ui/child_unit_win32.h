#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/window_object.h"
#include "ui/live_unit.h"
#include "ui/unit_id.h"
#include "ui/unit_kind.h"

// A control of a window: a child window that the engine reaches as a live unit, that raises
// its events under its window's and its own UnitId, and that reports its end to the engine
// and deletes itself once its window is gone.
class CChildUnit : public WindowObject, public LiveUnit {
 public:
  NativeWindow Native() const override { return Handle(); }
  void Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;
  void SetShown(bool shown) override;
  void SetEnabled(bool enabled) override;

  UnitId OwnerId() const { return windowId_; }
  UnitId Id() const { return unitId_; }

 protected:
  CChildUnit(UnitId windowId, UnitId unitId) : windowId_(windowId), unitId_(unitId) {}
  ~CChildUnit() override = default;

  // Makes the child window at the arguments' place, parent and control id. False when it
  // can't be made; the caller then deletes the object.
  bool CreateChild(const char* className, const char* text, DWORD style, const CreateArguments& arguments);

  void AfterWindowGone() override;

 private:
  UnitId windowId_;
  UnitId unitId_;
};
