#pragma once

#include <cstdint>
#include <optional>

#include "lifecycle/event_record.h"
#include "ui/unit_id.h"

// The common event a mouse, key, character or wheel message makes for its target unit, or
// nothing for any other message. keys is the key state bit set of KeysFromState.
std::optional<EventRecord> MakeInputEvent(UnitId windowId, UnitId unitId, std::uint32_t message, std::uint64_t wParam,
                                          std::int64_t lParam, std::int32_t keys);

// 1 Ctrl, 2 Shift, 4 Alt.
std::int32_t KeysFromState(bool ctrl, bool shift, bool alt);

struct InputClaim {
  bool claimed;                            // neither translated nor dispatched
  std::optional<std::int32_t> character;   // replaces the character code of the message
};

// What becomes of an input message after its event was raised: a handed-back 0 claims it;
// for a character a handed-back non-zero value replaces the character; otherwise it is
// claimed only when the window no longer exists.
InputClaim DecideInputClaim(const EventRecord& raised, bool handlerCalled, bool windowStillExists);
