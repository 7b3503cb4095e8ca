#include "ui/rebuild_unit_win32.h"

#include <windows.h>

#include "lifecycle/window_engine.h"
#include "ui/live_unit.h"
#include "ui/create_unit.h"

void RebuildUnit(WindowRecord& window, std::size_t unitIndex) {
  UnitRecord& unit = window.units[unitIndex];
  if (unit.liveObject == nullptr) return;
  auto old = static_cast<HWND>(unit.liveObject->Native());
  HWND parent = GetParent(old);
  HWND above = GetWindow(old, GW_HWNDPREV);
  const bool hadFocus = GetFocus() == old;
  const bool shown = IsWindowVisible(old) != FALSE;
  const int childId = GetDlgCtrlID(old);

  // The old control's end must not empty the slot or free the cursor the new one keeps.
  Engine().rebuildingUnit = true;
  DestroyWindow(old);
  Engine().rebuildingUnit = false;

  unit.liveObject = CreateUnit(unit, window.id, parent, childId);
  if (unit.liveObject == nullptr) return;
  auto control = static_cast<HWND>(unit.liveObject->Native());
  SetWindowPos(control, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (shown) ShowWindow(control, SW_SHOWNA);
  if (hadFocus) SetFocus(control);
}
