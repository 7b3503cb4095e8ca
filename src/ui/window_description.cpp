#include "ui/window_description.h"

#include <algorithm>

#include "ui/live_unit.h"

WindowRecord* FindWindowRecord(WindowDescription& description, UnitId windowId) {
  auto found = std::find_if(description.windows.begin(), description.windows.end(),
                            [windowId](const WindowRecord& window) { return window.id == windowId; });
  return found == description.windows.end() ? nullptr : &*found;
}

UnitRecord* FindUnitRecord(WindowRecord& window, UnitId unitId, bool allowZeroForWindow) {
  if (unitId == 0 && allowZeroForWindow) return window.units.empty() ? nullptr : &window.units.front();
  auto found = std::find_if(window.units.begin(), window.units.end(),
                            [unitId](const UnitRecord& unit) { return unit.id == unitId; });
  return found == window.units.end() ? nullptr : &*found;
}

std::optional<std::size_t> FindUnitIndexByNative(const WindowRecord& window, NativeWindow native) {
  for (std::size_t i = 0; i < window.units.size(); ++i) {
    const LiveUnit* live = window.units[i].liveObject;
    if (native != nullptr && live != nullptr && live->Native() == native) return i;
  }
  return std::nullopt;
}

bool IsWindowAlive(const WindowRecord& window) {
  return !window.units.empty() && window.units.front().liveObject != nullptr &&
         window.units.front().liveObject->HasNativeWindow();
}

bool AnyWindowAlive(const WindowDescription& description) {
  return std::any_of(description.windows.begin(), description.windows.end(), IsWindowAlive);
}
