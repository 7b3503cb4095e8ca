#pragma once

#include <cstdint>

#include "ui/unit_id.h"

// Destroys a unit: a control at once; the window itself through a destroy request that the
// event loop carries out later, or at once when immediate is not 0. A unit that is not
// live is a fatal error.
void DestroyUnit(UnitId windowId, UnitId unitId, std::int32_t immediate = 0);
