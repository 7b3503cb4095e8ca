#pragma once

#include <cstdint>

// The display text for a millisecond count since system start, for example 3天4时5分6秒.
// The caller frees the result with FreeBlock.
char* FormatUptime(std::int64_t count);
