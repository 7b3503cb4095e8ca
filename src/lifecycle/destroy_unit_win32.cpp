#include "lifecycle/destroy_unit_win32.h"

#include <windows.h>

#include "lifecycle/runtime_error.h"
#include "lifecycle/window_engine.h"
#include "ui/cwinform_unit_win32.h"

void DestroyUnit(UnitId windowId, UnitId unitId, std::int32_t immediate) {
  WindowRecord* window = FindWindowRecord(Engine().description, windowId);
  UnitRecord* unit = window != nullptr ? FindUnitRecord(*window, unitId, true) : nullptr;
  if (unit == nullptr || unit->liveObject == nullptr || !unit->liveObject->HasNativeWindow()) {
    ReportRuntimeError("指定窗口或窗口组件不存在或尚未载入", 0);
  }
  if (NamesWindowUnit(unit->id)) {
    static_cast<CWinFormUnit*>(unit->liveObject)->RequestDestroy(immediate != 0);
    return;
  }
  DestroyWindow(static_cast<HWND>(unit->liveObject->Native()));
}
