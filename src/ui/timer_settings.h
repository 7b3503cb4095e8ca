#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The own settings of the kind 时钟: its period in milliseconds, 0 meaning stopped.
struct TimerSettings {
  std::int32_t period = 0;

  bool operator==(const TimerSettings&) const = default;
};

// An empty block leaves the period at 0; a version above 1, or a block too short for the
// version and the period, is refused.
std::optional<TimerSettings> ReadTimerSettings(const std::uint8_t* block, std::size_t length);
// Always version 1.
std::vector<std::uint8_t> WriteTimerSettings(const TimerSettings& settings);
