#pragma once

#include "lifecycle/event_record.h"

// Calls the handler the description binds to the event, with the record's arguments, and
// records a handed-back value in it. False, with nothing reported, while events are blocked
// or when no handler is bound. A window or unit the description does not hold, or a unit
// whose kind raises no events, is fatal.
bool RaiseEvent(EventRecord& record);
