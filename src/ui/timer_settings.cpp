#include "ui/timer_settings.h"

#include "ui/byte_stream.h"

namespace {

constexpr std::uint32_t kTimerSettingsVersion = 1;

}  // namespace

std::optional<TimerSettings> ReadTimerSettings(const std::uint8_t* block, std::size_t length) {
  TimerSettings settings;
  if (block == nullptr || length == 0) return settings;
  ByteReader reader(block, length);
  if (reader.UInt32() > kTimerSettingsVersion) return std::nullopt;
  settings.period = reader.Int32();
  if (reader.Failed()) return std::nullopt;
  return settings;
}

std::vector<std::uint8_t> WriteTimerSettings(const TimerSettings& settings) {
  ByteWriter writer;
  writer.UInt32(kTimerSettingsVersion);
  writer.Int32(settings.period);
  return writer.Take();
}
