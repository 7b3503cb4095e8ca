#include "ui/load_window_win32.h"

#include <windows.h>

#include "lifecycle/event_dispatch.h"
#include "lifecycle/event_loop_win32.h"
#include "lifecycle/window_engine.h"
#include "ui/create_unit.h"
#include "ui/cwinform_unit_win32.h"
#include "ui/engine_messages.h"
#include "ui/mouse_pointer.h"
#include "ui/window_snapshot.h"
#include "ui/unit_kinds.h"

namespace {

constexpr std::int32_t kFirstChildId = 100;
constexpr std::int32_t kChildIdStep = 10;

HWND NativeOf(const UnitRecord& unit) {
  return unit.liveObject != nullptr ? static_cast<HWND>(unit.liveObject->Native()) : nullptr;
}

CWinFormUnit* WindowObjectOf(WindowRecord& window) {
  return static_cast<CWinFormUnit*>(window.units.front().liveObject);
}

bool StillAlive(UnitId windowId) {
  WindowRecord* window = FindWindowRecord(Engine().description, windowId);
  return window != nullptr && IsWindowAlive(*window);
}

// An already loaded window is brought forward instead, unless its destruction is pending.
bool ReuseLoadedWindow(WindowRecord& window) {
  if (window.units.empty() || window.units.front().liveObject == nullptr) return false;
  CWinFormUnit* form = WindowObjectOf(window);
  if (form->DestroyPending()) {
    form->RequestDestroy(true);
    return false;
  }
  if (IsIconic(form->Handle())) {
    ShowWindow(form->Handle(), SW_RESTORE);
  } else {
    SetActiveWindow(form->Handle());
  }
  return true;
}

// Controls are made from the last in the list to the first.
bool CreateControls(WindowRecord& window, HWND form) {
  std::int32_t childId = kFirstChildId;
  for (std::size_t i = window.units.size() - 1; i >= 1; --i) {
    UnitRecord& unit = window.units[i];
    unit.liveObject = CreateUnit(unit, window.id, form, childId);
    if (unit.liveObject == nullptr) return false;
    childId += kChildIdStep;
  }
  return true;
}

HWND ContainerOf(WindowRecord& window, const UnitRecord& unit, HWND form) {
  if (unit.parent == 0) return form;
  const UnitRecord* container = FindUnitRecord(window, unit.parent);
  HWND native = container != nullptr ? NativeOf(*container) : nullptr;
  return native != nullptr ? native : form;
}

// Each control goes into its container, and an earlier control in the list lies above a
// later one that shares its container.
void ArrangeControls(WindowRecord& window, HWND form) {
  for (std::size_t i = 1; i < window.units.size(); ++i) {
    UnitRecord& unit = window.units[i];
    HWND container = ContainerOf(window, unit, form);
    if (GetParent(NativeOf(unit)) != container) SetParent(NativeOf(unit), container);
    HWND above = HWND_TOP;
    for (std::size_t j = i - 1; j >= 1; --j) {
      if (window.units[j].parent == unit.parent) {
        above = NativeOf(window.units[j]);
        break;
      }
    }
    SetWindowPos(NativeOf(unit), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MakeCursors(WindowRecord& window) {
  for (UnitRecord& unit : window.units) {
    const std::uint32_t cursorId = SystemCursorFor(unit.mousePointer);
    if (cursorId != 0) unit.cursor = Engine().platform->LoadUnitCursor(cursorId);
  }
}

void NotifyUnits(WindowRecord& window, UINT message) {
  for (std::size_t i = window.units.size(); i-- > 0;) SendMessageA(NativeOf(window.units[i]), message, 0, 0);
}

void ShowControls(WindowRecord& window) {
  for (std::size_t i = 1; i < window.units.size(); ++i) {
    const UnitRecord& unit = window.units[i];
    const UnitKind* kind = FindUnitKind(unit.kind);
    const bool shown = unit.visible && kind != nullptr && (kind->flags & kKindNeverShown) == 0;
    ShowWindow(NativeOf(unit), shown ? SW_SHOWNA : SW_HIDE);
  }
}

// A failed load leaves nothing behind: destroying the window restores the description.
bool FailLoad(WindowRecord& window) {
  if (window.units.front().liveObject != nullptr) {
    DestroyWindow(NativeOf(window.units.front()));
  }
  for (UnitRecord& unit : window.units) unit.liveObject = nullptr;
  window.snapshot.clear();
  if (Engine().eventBlockCount > 0) --Engine().eventBlockCount;
  return false;
}

bool BuildUnits(WindowRecord& window) {
  TakeSnapshot(window);
  UnitRecord& own = window.units.front();
  own.liveObject = CreateUnit(own, window.id, nullptr, 0);
  if (own.liveObject == nullptr) return FailLoad(window);
  HWND form = NativeOf(own);
  if (!CreateControls(window, form)) return FailLoad(window);
  ArrangeControls(window, form);
  MakeCursors(window);
  NotifyUnits(window, kDataSourceChanged);
  ShowControls(window);
  return true;
}

void ShowLoadedWindow(UnitId windowId) {
  WindowRecord* window = FindWindowRecord(Engine().description, windowId);
  // Showing runs handlers, which may end the window and so restore its units: keep nothing
  // of the record across it.
  if (!window->units.front().visible) return;
  const UnitId ownId = window->units.front().id;
  HWND form = NativeOf(window->units.front());
  const std::int32_t startPosition = WindowObjectOf(*window)->Settings().startPosition;
  ShowWindow(form, startPosition == 3 ? SW_SHOWMAXIMIZED : startPosition == 2 ? SW_SHOWMINIMIZED : SW_SHOW);
  if (!StillAlive(windowId)) return;
  HWND focus = GetFocus();
  if (focus == form) {
    RaiseUnitEvent(windowId, ownId, -7);
  } else if (focus != nullptr && IsChild(form, focus)) {
    window = FindWindowRecord(Engine().description, windowId);
    const std::optional<std::size_t> index = FindUnitIndexByNative(*window, focus);
    if (index) RaiseUnitEvent(windowId, window->units[*index].id, -7);
  }
}

void FinishLoad(UnitId windowId) {
  WindowRecord* window = FindWindowRecord(Engine().description, windowId);
  if (window == nullptr || !IsWindowAlive(*window)) return;
  HWND focus = GetFocus();
  NotifyUnits(*window, kWindowLoaded);
  if (GetFocus() != focus && IsWindow(focus)) SetFocus(focus);
  if (IsWindowAlive(*window)) WindowObjectOf(*window)->MarkFullyLoaded();
}

}  // namespace

bool LoadWindow(UnitId windowId) {
  WindowRecord* window = FindWindowRecord(Engine().description, windowId);
  if (window == nullptr || window->units.empty()) return false;
  if (ReuseLoadedWindow(*window)) return true;

  ProcessWaitingMessages();
  ++Engine().eventBlockCount;
  if (!BuildUnits(*window)) return false;
  ProcessWaitingMessages();
  if (Engine().eventBlockCount > 0) --Engine().eventBlockCount;

  const UnitId ownId = window->units.front().id;
  RaiseUnitEvent(windowId, ownId, 0);
  if (StillAlive(windowId)) RaiseUnitEvent(windowId, ownId, 3);
  if (StillAlive(windowId)) RaiseUnitEvent(windowId, ownId, 4);
  if (StillAlive(windowId)) ShowLoadedWindow(windowId);
  FinishLoad(windowId);
  return true;
}
