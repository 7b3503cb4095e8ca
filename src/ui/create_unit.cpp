#include "ui/create_unit.h"

#include "ui/unit_kinds.h"

LiveUnit* CreateUnit(const UnitRecord& unit, UnitId windowId, NativeWindow parent, std::int32_t childId) {
  const UnitKind* kind = FindUnitKind(unit.kind);
  if (kind == nullptr || kind->create == nullptr) return nullptr;
  CreateArguments arguments;
  arguments.settings = unit.settings.data();
  arguments.settingsLength = unit.settings.size();
  arguments.styleBits = (unit.disabled ? kStyleDisabled : 0) | (unit.tabStop ? kStyleTabStop : 0);
  arguments.parent = parent;
  arguments.childId = childId;
  arguments.left = unit.left;
  arguments.top = unit.top;
  arguments.width = unit.width;
  arguments.height = unit.height;
  arguments.windowId = windowId;
  arguments.unitId = unit.id;
  return kind->create(arguments);
}
