#pragma once

#include "ui/window_description.h"

// Copies the unit list aside before a window is built, so that its destruction can bring
// back the described values of everything written while it lived.
void TakeSnapshot(WindowRecord& window);

// Puts the snapshot back as the unit list and empties it. A window without a snapshot
// (one whose load was undone) keeps its units.
void RestoreFromSnapshot(WindowRecord& window);
