#pragma once

#include <cstdint>
#include <optional>

#include "ui/unit_id.h"

// What a window or control fills in to raise an event.
struct EventRecord {
  UnitId windowId = 0;
  UnitId unitId = 0;  // 0 stands for unit 0, the window itself
  std::int32_t eventNumber = 0;
  std::int32_t argumentCount = 0;
  std::int32_t arguments[5] = {};
  std::int32_t hasResult = 0;
  std::int32_t result = 0;
};

// A handler hands back one 32-bit value or nothing; nothing and 0 mean different things.
using HandlerResult = std::optional<std::int32_t>;
using Handler = HandlerResult (*)(const std::int32_t* arguments, std::int32_t count);
