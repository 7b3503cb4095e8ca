#pragma once

#include <cstdint>

#include "ui/unit_kind.h"

// The kinds of the support library, with their flags and own property types. Their
// operations are left null here: the platform's support library fills them in before it
// registers the kinds.
UnitKind MakeWindowKind();
UnitKind MakeLabelKind();
UnitKind MakeTimerKind();

// The registered kind with this code, or null.
const UnitKind* FindUnitKind(std::uint32_t code);
