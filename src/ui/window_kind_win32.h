#pragma once

#include "ui/unit_kind.h"

// Operations of the kind 窗口.
LiveUnit* CreateWindowUnit(const CreateArguments& arguments);
bool WriteWindowProperty(LiveUnit& unit, std::int32_t number, const PropertyValue& value);
PropertyValue ReadWindowProperty(LiveUnit& unit, std::int32_t number);
