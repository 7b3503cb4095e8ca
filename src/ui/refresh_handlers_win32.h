#pragma once

#include <cstdint>

// Milliseconds since system start, 64 bits wide so the count neither turns negative after
// 24.8 days nor wraps after 49.7.
std::int64_t ReadTickCount();

// Bound to the start-up window's created event: starts the refresh timer.
void HandleWindowReady();

// Bound to the refresh timer's tick: puts the current uptime text into the big label.
void HandleRefreshTick();
