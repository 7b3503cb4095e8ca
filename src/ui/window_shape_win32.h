#pragma once

#include <windows.h>

#include "platform/handles.h"

// The region of a shaped window in window coordinates; empty for shape 0 (the plain rectangle).
OwnedRegion MakeShapeRegion(int shape, int width, int height);
