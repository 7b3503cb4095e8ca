#pragma once

#include <initializer_list>

#include "lifecycle/event_record.h"

// Calls the handler the description binds to the event, with the record's arguments, and
// records a handed-back value in it. False, with nothing reported, while events are blocked
// or when no handler is bound. A window or unit the description does not hold, or a unit
// whose kind raises no events, is fatal.
bool RaiseEvent(EventRecord& record);

// Raises one event of a unit with the given arguments; the value its handler handed back,
// if it handed one back.
HandlerResult RaiseUnitEvent(UnitId windowId, UnitId unitId, std::int32_t eventNumber,
                             std::initializer_list<std::int32_t> arguments = {});
