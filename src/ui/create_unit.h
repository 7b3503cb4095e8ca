#pragma once

#include <cstdint>

#include "lifecycle/platform_services.h"
#include "ui/window_description.h"

// Makes a unit's live object with its kind's create operation, from its record: its own
// settings, the style bits of its disabled and tab-stop flags, its place and size. Null when
// the kind has no create operation or the creation fails.
LiveUnit* CreateUnit(const UnitRecord& unit, UnitId windowId, NativeWindow parent, std::int32_t childId);
