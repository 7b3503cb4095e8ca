#pragma once

#include <cstdint>
#include <initializer_list>
#include <iterator>
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

// A record as a raiser fills it: the arguments in order, at most five, and no result yet.
inline EventRecord MakeEventRecord(UnitId windowId, UnitId unitId, std::int32_t eventNumber,
                                   std::initializer_list<std::int32_t> arguments = {}) {
  EventRecord record;
  record.windowId = windowId;
  record.unitId = unitId;
  record.eventNumber = eventNumber;
  for (std::int32_t argument : arguments) {
    if (record.argumentCount == static_cast<std::int32_t>(std::size(record.arguments))) break;
    record.arguments[record.argumentCount++] = argument;
  }
  return record;
}

// A handler hands back one 32-bit value or nothing; nothing and 0 mean different things.
using HandlerResult = std::optional<std::int32_t>;
using Handler = HandlerResult (*)(const std::int32_t* arguments, std::int32_t count);
