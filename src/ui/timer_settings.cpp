#include "ui/timer_settings.h"

#include "ui/byte_stream.h"

namespace {

constexpr std::uint32_t kTimerSettingsVersion = 1;

bool ReadFields(ByteReader& reader, TimerSettings& settings) {
  if (reader.UInt32() > kTimerSettingsVersion) return false;
  settings.period = reader.Int32();
  return true;
}

}  // namespace

std::optional<TimerSettings> ReadTimerSettings(const std::uint8_t* block, std::size_t length) {
  return ReadSettingsBlock<TimerSettings>(block, length, ReadFields);
}

std::vector<std::uint8_t> WriteTimerSettings(const TimerSettings& settings) {
  ByteWriter writer;
  writer.UInt32(kTimerSettingsVersion);
  writer.Int32(settings.period);
  return writer.Take();
}
