#pragma once

#include <cstdint>

#include "ui/property_value.h"
#include "ui/unit_id.h"

// Writes property number of a unit. 0 to 7 are common to every kind (left, top, width,
// height, tag, visible, disabled, mouse pointer): they change the unit's record and, when
// it is live, the control. 8 and up are the kind's own and go to the live control through
// the kind's write operation, converted by the property's type; nothing of them is written
// back into the description. A window the description does not hold, or an own property of
// a unit without a live native window, is fatal. Out-of-range values are clamped and a
// null text is the empty text, so a write never fails for its value.
//
// Only the whole property is addressed (element index -1): no kind here has parts.
// A unit the window does not hold has nothing to change: common properties are ignored
// for it and own properties are fatal like those of a unit that is not loaded.
void SetUnitProperty(UnitId windowId, UnitId unitId, std::int32_t number, std::int32_t elementIndex,
                     const PropertyValue& value);
void SetUnitProperty(UnitId windowId, UnitId unitId, std::int32_t number, std::int32_t elementIndex,
                     std::int32_t value);
void SetUnitProperty(UnitId windowId, UnitId unitId, std::int32_t number, std::int32_t elementIndex,
                     const char* text);
