#include "ui/unit_gone.h"

#include "lifecycle/window_engine.h"
#include "ui/window_snapshot.h"

void UnitGone(UnitId windowId, UnitId unitId) {
  WindowEngine& engine = Engine();
  WindowRecord* window = FindWindowRecord(engine.description, windowId);
  if (window == nullptr || engine.rebuildingUnit) return;
  if (NamesWindowUnit(unitId)) {
    RestoreFromSnapshot(*window);
    return;
  }
  UnitRecord* unit = FindUnitRecord(*window, unitId);
  if (unit == nullptr) return;
  engine.platform->FreeUnitCursor(unit->cursor);
  unit->cursor = nullptr;
  unit->liveObject = nullptr;
}
