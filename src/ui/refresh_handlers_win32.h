#pragma once

#include <cstdint>

// Milliseconds since system start, from the 64-bit count, so the display stays right past
// 24.8 and 49.7 days of uptime.
std::int64_t ReadTickCount();

// The start-up window has been created: the refresh timer 时钟1 starts at 200 milliseconds.
void HandleWindowReady();

// A tick of 时钟1: 标签1 shows the uptime afresh.
void HandleRefreshTick();
