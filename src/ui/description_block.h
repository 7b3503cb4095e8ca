#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "ui/unit_id.h"
#include "ui/window_description.h"

// A handler reference: the byte distance of a handler's entry from the handler base, or -1
// for no handler. StartEngine turns references into handlers.
inline constexpr std::int32_t kNoHandlerReference = -1;

struct StoredBinding {
  std::int32_t eventNumber = 0;
  std::int32_t handlerReference = kNoHandlerReference;

  bool operator==(const StoredBinding&) const = default;
};

// A unit as the program stores it: its record without the run-time parts (no bindings, no
// live object, no cursor), and its bindings as handler references.
struct StoredUnit {
  UnitRecord record;
  std::vector<StoredBinding> bindings;

  bool operator==(const StoredUnit&) const = default;
};

struct StoredWindow {
  UnitId id = 0;
  std::vector<StoredUnit> units;  // the window's own unit first

  bool operator==(const StoredWindow&) const = default;
};

// The serialised description: a format tag, then the windows, each with its units.
std::vector<std::uint8_t> WriteDescriptionBlock(const std::vector<StoredWindow>& windows);
// Null for any block that is not exactly one well-formed description: a wrong tag, a cut or
// overlong block, a count larger than the bytes left could hold, unknown flag bits, or a
// window without units.
std::optional<std::vector<StoredWindow>> ReadDescriptionBlock(const std::uint8_t* block, std::size_t length);
