#pragma once

#include <cstdint>

#include "ui/property_value.h"
#include "ui/unit_kind.h"

// The operations of the kinds 标签 and 时钟 for the kind table. Property numbers are
// kind-relative (the property number minus 8); neither kind ever asks to be rebuilt.
LiveUnit* CreateLabelUnit(const CreateArguments& arguments);
bool WriteLabelProperty(LiveUnit& unit, std::int32_t number, const PropertyValue& value);
PropertyValue ReadLabelProperty(LiveUnit& unit, std::int32_t number);

LiveUnit* CreateTimerUnit(const CreateArguments& arguments);
bool WriteTimerProperty(LiveUnit& unit, std::int32_t number, const PropertyValue& value);
PropertyValue ReadTimerProperty(LiveUnit& unit, std::int32_t number);
