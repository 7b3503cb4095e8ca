#include "ui/window_kind_win32.h"

#include "ui/cwinform_unit_win32.h"

LiveUnit* CreateWindowUnit(const CreateArguments& arguments) { return CWinFormUnit::Create(arguments); }

bool WriteWindowProperty(LiveUnit& unit, std::int32_t number, const PropertyValue& value) {
  static_cast<CWinFormUnit&>(unit).WriteProperty(number, value);
  return false;
}

PropertyValue ReadWindowProperty(LiveUnit& unit, std::int32_t number) {
  return static_cast<CWinFormUnit&>(unit).ReadProperty(number);
}
