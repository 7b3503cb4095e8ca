#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lifecycle/event_record.h"
#include "lifecycle/platform_services.h"
#include "ui/unit_id.h"

class LiveUnit;

struct EventBinding {
  std::int32_t eventNumber = 0;
  Handler handler = nullptr;  // null: the event has no handler

  bool operator==(const EventBinding&) const = default;
};

struct UnitRecord {
  UnitId id = 0;
  std::uint32_t kind = 0;
  UnitId linkedUnit = 0;  // 0: none
  std::string name;
  LiveUnit* liveObject = nullptr;  // not owned: the object deletes itself
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  CursorHandle cursor = nullptr;  // owned by the engine
  UnitId parent = 0;              // 0: directly in the window
  std::vector<UnitId> children;
  std::vector<std::uint8_t> mousePointer;
  std::string tag;
  bool visible = false;
  bool disabled = false;
  bool tabStop = false;
  std::int32_t tabOrder = 0;
  std::vector<EventBinding> bindings;
  std::vector<std::uint8_t> settings;

  bool operator==(const UnitRecord&) const = default;
};

struct WindowRecord {
  UnitId id = 0;
  std::vector<UnitRecord> units;  // the window's own unit first
  std::vector<UnitRecord> snapshot;
};

struct WindowDescription {
  std::vector<WindowRecord> windows;
};

WindowRecord* FindWindowRecord(WindowDescription& description, UnitId windowId);
// unitId 0 stands for unit 0 only where allowZeroForWindow is set (event resolution).
UnitRecord* FindUnitRecord(WindowRecord& window, UnitId unitId, bool allowZeroForWindow = false);
// Index of the unit whose live object owns the native window, if any.
std::optional<std::size_t> FindUnitIndexByNative(const WindowRecord& window, NativeWindow native);

// A window is alive while the live object of its unit 0 has its native window.
bool IsWindowAlive(const WindowRecord& window);
bool AnyWindowAlive(const WindowDescription& description);
