#pragma once

#include <cstdint>

// Bound to the double-click of the start-up window and of each of its labels: asks for the
// window's destruction once the current message has been handled.
void HandleCloseRequest(std::int32_t x, std::int32_t y, std::int32_t keys);
