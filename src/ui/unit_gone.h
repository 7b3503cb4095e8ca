#pragma once

#include "ui/unit_id.h"

// Told by a window or control once its native window is gone. A control's cursor is freed
// and its live slot emptied; for the window's own unit the described units come back.
void UnitGone(UnitId windowId, UnitId unitId);
