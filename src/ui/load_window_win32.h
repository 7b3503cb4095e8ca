#pragma once

#include "ui/unit_id.h"

// Builds a described window and its controls with events blocked, raises its created,
// moved and resized events and shows it. False when the window is not described or any
// of its units cannot be made. Loads modelessly and without an owner.
bool LoadWindow(UnitId windowId);
