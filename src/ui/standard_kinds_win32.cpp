#include "ui/standard_kinds_win32.h"

#include "ui/clabel_unit_win32.h"
#include "ui/ctimer_unit_win32.h"

namespace {

// The timer's one own property: its period.
constexpr std::int32_t kTimerPeriod = 0;

// The engine calls a kind's operations only with units of that kind.
CLabelUnit& AsLabel(LiveUnit& unit) { return static_cast<CLabelUnit&>(unit); }
CTimerUnit& AsTimer(LiveUnit& unit) { return static_cast<CTimerUnit&>(unit); }

}  // namespace

LiveUnit* CreateLabelUnit(const CreateArguments& arguments) { return CLabelUnit::Build(arguments); }

bool WriteLabelProperty(LiveUnit& unit, std::int32_t number, const PropertyValue& value) {
  AsLabel(unit).WriteSetting(number, value);
  return false;
}

PropertyValue ReadLabelProperty(LiveUnit& unit, std::int32_t number) { return AsLabel(unit).ReadSetting(number); }

LiveUnit* CreateTimerUnit(const CreateArguments& arguments) { return CTimerUnit::Build(arguments); }

bool WriteTimerProperty(LiveUnit& unit, std::int32_t number, const PropertyValue& value) {
  if (number == kTimerPeriod) AsTimer(unit).WritePeriod(value.integer);
  return false;
}

PropertyValue ReadTimerProperty(LiveUnit& unit, std::int32_t number) {
  if (number != kTimerPeriod) return {};
  return {.integer = AsTimer(unit).Period()};
}
