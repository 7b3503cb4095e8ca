#include "lifecycle/event_dispatch.h"

#include <algorithm>

#include "lifecycle/runtime_error.h"
#include "lifecycle/window_engine.h"
#include "ui/unit_kinds.h"

namespace {

constexpr std::int32_t kArgumentSlots = 5;

// Follows the unit's link while it names a unit of the same kind in the same window. A
// chain is never longer than the window's unit list, which also stops a cycle.
UnitRecord& BindingsOwner(WindowRecord& window, UnitRecord& unit) {
  UnitRecord* current = &unit;
  for (std::size_t step = 0; step < window.units.size() && current->linkedUnit != 0; ++step) {
    UnitRecord* linked = FindUnitRecord(window, current->linkedUnit);
    if (linked == nullptr || linked->kind != current->kind) break;
    current = linked;
  }
  return *current;
}

bool KindRaisesEvents(std::uint32_t code) {
  const UnitKind* kind = FindUnitKind(code);
  return kind != nullptr && (kind->flags & (kKindRaisesEvents | kKindRaisesEventsAlt)) != 0;
}

Handler BoundHandler(const UnitRecord& unit, std::int32_t eventNumber) {
  auto found = std::find_if(unit.bindings.begin(), unit.bindings.end(),
                            [eventNumber](const EventBinding& binding) { return binding.eventNumber == eventNumber; });
  return found == unit.bindings.end() ? nullptr : found->handler;
}

}  // namespace

bool RaiseEvent(EventRecord& record) {
  WindowEngine& engine = Engine();
  if (engine.eventBlockCount > 0) return false;
  WindowRecord* window = FindWindowRecord(engine.description, record.windowId);
  if (window == nullptr) ReportRuntimeError("未找到引发事件的窗口", 0);
  UnitRecord* unit = FindUnitRecord(*window, record.unitId, true);
  if (unit == nullptr) ReportRuntimeError("未找到引发事件的窗口组件", 0);
  const UnitRecord& owner = BindingsOwner(*window, *unit);
  if (!KindRaisesEvents(owner.kind)) ReportRuntimeError("引发事件的窗口组件无效", 0);
  const Handler handler = BoundHandler(owner, record.eventNumber);
  if (handler == nullptr) return false;
  const HandlerResult result = handler(record.arguments, std::clamp(record.argumentCount, 0, kArgumentSlots));
  if (result) {
    record.hasResult = 1;
    record.result = *result;
  }
  return true;
}

HandlerResult RaiseUnitEvent(UnitId windowId, UnitId unitId, std::int32_t eventNumber,
                             std::initializer_list<std::int32_t> arguments) {
  EventRecord record = MakeEventRecord(windowId, unitId, eventNumber, arguments);
  RaiseEvent(record);
  if (record.hasResult == 0) return std::nullopt;
  return record.result;
}
