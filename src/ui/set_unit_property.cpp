#include "ui/set_unit_property.h"

#include <algorithm>
#include <cstddef>

#include "lifecycle/runtime_error.h"
#include "lifecycle/window_engine.h"
#include "ui/live_unit.h"
#include "ui/mouse_pointer.h"
#include "ui/unit_kinds.h"

namespace {

constexpr std::int32_t kFirstOwnProperty = 8;
// The coordinate limit of the window system's 16-bit heritage, kept a little inside it.
constexpr std::int32_t kCoordinateLimit = 32627;

enum CommonProperty : std::int32_t { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kMousePointer };

bool IsPresent(const UnitRecord& unit) { return unit.liveObject != nullptr && unit.liveObject->HasNativeWindow(); }

bool NeverShown(const UnitRecord& unit) {
  const UnitKind* kind = FindUnitKind(unit.kind);
  return kind != nullptr && (kind->flags & kKindNeverShown) != 0;
}

PropertyValue Converted(PropertyType type, PropertyValue value) {
  switch (type) {
    case PropertyType::Choice: value.integer = std::max(value.integer, 0); break;
    case PropertyType::Boolean: value.integer = value.integer != 0 ? 1 : 0; break;
    case PropertyType::Text:
    case PropertyType::FileName:
      if (value.text == nullptr) value.text = "";
      break;
    case PropertyType::Bytes:
    case PropertyType::Font:
      if (value.bytes == nullptr || value.length < 0) value.length = 0;
      break;
    default: break;
  }
  return value;
}

// Blocks events around the rebuild, as while a window is built.
void Rebuild(WindowRecord& window, std::size_t index) {
  WindowEngine& engine = Engine();
  if (engine.rebuildUnit == nullptr) return;
  ++engine.eventBlockCount;
  engine.rebuildUnit(window, index);
  --engine.eventBlockCount;
}

void WriteOwnProperty(WindowRecord& window, std::size_t index, std::int32_t number, const PropertyValue& value) {
  UnitRecord& unit = window.units[index];
  if (!IsPresent(unit)) ReportRuntimeError("指定窗口尚未载入", 0);
  const UnitKind* kind = FindUnitKind(unit.kind);
  const auto relative = static_cast<std::size_t>(number - kFirstOwnProperty);
  if (kind == nullptr || kind->writeProperty == nullptr || relative >= kind->ownProperties.size()) return;
  const bool mustRebuild = kind->writeProperty(*unit.liveObject, static_cast<std::int32_t>(relative),
                                               Converted(kind->ownProperties[relative], value));
  // The write may have destroyed the control, or the window with it.
  if (mustRebuild && index < window.units.size() && IsPresent(window.units[index])) Rebuild(window, index);
}

void Place(UnitRecord& unit) {
  if (IsPresent(unit)) unit.liveObject->Place(unit.left, unit.top, unit.width, unit.height);
}

void SetMousePointer(UnitRecord& unit, std::int32_t written) {
  PlatformServices& platform = *Engine().platform;
  unit.mousePointer = MousePointerBlock(StoredMousePointer(written));
  if (unit.cursor != nullptr) platform.FreeUnitCursor(unit.cursor);
  unit.cursor = nullptr;
  const std::uint32_t cursor = SystemCursorFor(unit.mousePointer);
  if (cursor != 0 && IsPresent(unit)) unit.cursor = platform.LoadUnitCursor(cursor);
}

void WriteCommonProperty(UnitRecord& unit, std::int32_t number, const PropertyValue& value) {
  const std::int32_t integer = value.integer;
  switch (number) {
    case kLeft: unit.left = std::clamp(integer, -kCoordinateLimit, kCoordinateLimit); return Place(unit);
    case kTop: unit.top = std::clamp(integer, -kCoordinateLimit, kCoordinateLimit); return Place(unit);
    case kWidth: unit.width = std::clamp(integer, 0, kCoordinateLimit); return Place(unit);
    case kHeight: unit.height = std::clamp(integer, 0, kCoordinateLimit); return Place(unit);
    case kTag: unit.tag = value.text == nullptr ? "" : value.text; return;
    case kVisible:
      unit.visible = integer != 0;
      if (IsPresent(unit)) unit.liveObject->SetShown(unit.visible && !NeverShown(unit));
      return;
    case kDisabled:
      unit.disabled = integer != 0;
      if (IsPresent(unit)) unit.liveObject->SetEnabled(!unit.disabled);
      return;
    case kMousePointer: return SetMousePointer(unit, integer);
    default: return;
  }
}

}  // namespace

void SetUnitProperty(UnitId windowId, UnitId unitId, std::int32_t number, std::int32_t, const PropertyValue& value) {
  WindowRecord* window = FindWindowRecord(Engine().description, windowId);
  if (window == nullptr) ReportRuntimeError("未载入欲访问窗口组件所在的窗口", 0);
  UnitRecord* unit = FindUnitRecord(*window, unitId);
  if (number >= kFirstOwnProperty) {
    if (unit == nullptr) ReportRuntimeError("指定窗口尚未载入", 0);
    WriteOwnProperty(*window, static_cast<std::size_t>(unit - window->units.data()), number, value);
  } else if (unit != nullptr) {
    WriteCommonProperty(*unit, number, value);
  }
}

void SetUnitProperty(UnitId windowId, UnitId unitId, std::int32_t number, std::int32_t elementIndex,
                     std::int32_t value) {
  PropertyValue property;
  property.integer = value;
  SetUnitProperty(windowId, unitId, number, elementIndex, property);
}

void SetUnitProperty(UnitId windowId, UnitId unitId, std::int32_t number, std::int32_t elementIndex,
                     const char* text) {
  PropertyValue property;
  property.text = text;
  SetUnitProperty(windowId, unitId, number, elementIndex, property);
}
