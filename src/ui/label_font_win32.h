#pragma once

#include <cstdint>
#include <vector>

#include "platform/handles.h"

// The caption's font, made from a copy of a 60-byte font record with the defaults every label
// font is made with. Empty for a record of any other length or a font the window system
// can't make: the caption then goes in the default GUI font.
OwnedFont MakeLabelFont(const std::vector<std::uint8_t>& record);
