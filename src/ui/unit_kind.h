#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lifecycle/platform_services.h"
#include "ui/property_value.h"
#include "ui/unit_id.h"

class LiveUnit;

// Style bits a create operation receives from the common flags (the window system's values).
inline constexpr std::uint32_t kStyleDisabled = 0x08000000;
inline constexpr std::uint32_t kStyleTabStop = 0x00010000;

// Kind flags: a kind raises events when either bit is set.
inline constexpr std::uint32_t kKindRaisesEvents = 0x40;
inline constexpr std::uint32_t kKindRaisesEventsAlt = 0x04;
// A left press on a control of this kind moves its window (when the window allows it).
inline constexpr std::uint32_t kKindDragsWindow = 0x1000;
// Never shown at run time: its visible flag is taken as off.
inline constexpr std::uint32_t kKindNeverShown = 0x2000;

inline constexpr std::uint32_t kWindowKindCode = 0x00010001;
inline constexpr std::uint32_t kLabelKindCode = 0x0001000A;
inline constexpr std::uint32_t kTimerKindCode = 0x00010020;

struct CreateArguments {
  const std::uint8_t* settings = nullptr;
  std::size_t settingsLength = 0;
  std::uint32_t styleBits = 0;
  NativeWindow parent = nullptr;
  std::int32_t childId = 0;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  UnitId windowId = 0;
  UnitId unitId = 0;
};

// Null when the settings cannot be read or the native window cannot be made.
using CreateOperation = LiveUnit* (*)(const CreateArguments& arguments);
// number is kind-relative (property number minus 8); answers whether the control must be rebuilt.
using WritePropertyOperation = bool (*)(LiveUnit& unit, std::int32_t number, const PropertyValue& value);
using ReadPropertyOperation = PropertyValue (*)(LiveUnit& unit, std::int32_t number);

struct UnitKind {
  std::uint32_t code = 0;
  const char* name = "";
  std::uint32_t flags = 0;
  // Types of the kind's own properties, numbers 8 and up.
  std::vector<PropertyType> ownProperties;
  CreateOperation create = nullptr;
  WritePropertyOperation writeProperty = nullptr;
  ReadPropertyOperation readProperty = nullptr;
};
