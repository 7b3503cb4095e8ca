#include "ui/refresh_handlers_win32.h"

#include <windows.h>

#include "ui/set_unit_property.h"
#include "ui/startup_description.h"
#include "uptime/block.h"
#include "uptime/uptime_text.h"

namespace {

constexpr std::int32_t kPeriodProperty = 8;
constexpr std::int32_t kCaptionProperty = 8;
constexpr std::int32_t kWholeProperty = -1;
constexpr std::int32_t kRefreshPeriod = 200;

}  // namespace

std::int64_t ReadTickCount() { return static_cast<std::int64_t>(GetTickCount64()); }

void HandleWindowReady() {
  SetUnitProperty(kStartupWindowId, kTimer1Id, kPeriodProperty, kWholeProperty, kRefreshPeriod);
}

void HandleRefreshTick() {
  char* text = FormatUptime(ReadTickCount());
  SetUnitProperty(kStartupWindowId, kLabel1Id, kCaptionProperty, kWholeProperty, text);
  FreeBlock(text);
}
