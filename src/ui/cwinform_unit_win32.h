#pragma once

#include <windows.h>

#include <optional>

#include "platform/handles.h"
#include "platform/window_object.h"
#include "ui/live_unit.h"
#include "ui/unit_kind.h"
#include "ui/window_description.h"
#include "ui/window_settings.h"

// The run-time object of a window of the kind 窗口.
class CWinFormUnit final : public WindowObject, public LiveUnit {
 public:
  // Reads the settings and makes the native window; null (nothing left behind) on failure.
  static CWinFormUnit* Create(const CreateArguments& arguments);

  NativeWindow Native() const override { return Handle(); }
  void Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;
  void SetShown(bool shown) override;
  void SetEnabled(bool enabled) override;

  const WindowSettings& Settings() const { return settings_; }
  // number is kind-relative; never asks for a rebuild.
  void WriteProperty(std::int32_t number, const PropertyValue& value);
  PropertyValue ReadProperty(std::int32_t number) const;

  // Sets destroyRequested and carries the destroy request out now or through the queue.
  void RequestDestroy(bool immediate);
  bool DestroyPending() const { return destroyRequested_; }
  void MarkFullyLoaded() { fullyLoaded_ = true; }

  bool PreTranslate(MSG& message) override;

 private:
  explicit CWinFormUnit(const WindowSettings& settings, UnitId windowId, UnitId unitId);

  LRESULT WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
  void AfterWindowGone() override;

  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowWindow(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroyRequest(WPARAM wParam, LPARAM lParam);

  bool MakeNativeWindow(const CreateArguments& arguments);
  void ApplyFrame();
  void ApplyIcons();
  void ApplyShape();
  void ApplyTopmost();
  void ApplyMovable();
  void ApplyStartPosition();
  void ApplyOwner();
  bool ExamineKey(const MSG& message);
  void MoveFocus(bool backwards);
  void FocusFirstControl();

  WindowRecord* Record() const;
  UnitRecord* UnitFor(HWND window) const;
  // Raises one of this window's events; the handed-back value, if any.
  std::optional<std::int32_t> Raise(UnitId unitId, std::int32_t eventNumber);
  bool Refused(std::int32_t eventNumber);

  WindowSettings settings_;
  UnitId windowId_;
  UnitId unitId_;
  bool destroyRequested_ = false;
  bool firstActivationDone_ = false;
  bool fullyLoaded_ = false;
  bool inActivationEvent_ = false;
  // The program icon is shared, not owned; an icon of the window's own settings is owned.
  OwnedIcon ownIcon_;
  HWND lastFocused_ = nullptr;
};
