#include "ui/refresh_handlers_win32.h"

#include <windows.h>

#include "ui/set_unit_property.h"
#include "ui/unit_id.h"
#include "uptime/block.h"
#include "uptime/uptime_text.h"

namespace {

constexpr UnitId kStartupWindow = 0x52010001;
constexpr UnitId kRefreshTimer = 0x1601000d;
constexpr UnitId kUptimeLabel = 0x1601000e;
// Property 8 is the timer's period and the label's caption.
constexpr std::int32_t kFirstOwnProperty = 8;
constexpr std::int32_t kWholeProperty = -1;
constexpr std::int32_t kRefreshPeriod = 200;

}  // namespace

std::int64_t ReadTickCount() { return static_cast<std::int64_t>(GetTickCount64()); }

void HandleWindowReady() {
  SetUnitProperty(kStartupWindow, kRefreshTimer, kFirstOwnProperty, kWholeProperty, kRefreshPeriod);
}

void HandleRefreshTick() {
  const std::int64_t count = ReadTickCount();
  char* text = FormatUptime(count);
  SetUnitProperty(kStartupWindow, kUptimeLabel, kFirstOwnProperty, kWholeProperty, text);
  if (text != nullptr) FreeBlock(text);
}
