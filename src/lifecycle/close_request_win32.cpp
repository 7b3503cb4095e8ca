#include "lifecycle/close_request_win32.h"

#include "lifecycle/destroy_unit_win32.h"
#include "ui/startup_description.h"

void HandleCloseRequest(std::int32_t, std::int32_t, std::int32_t) {
  DestroyUnit(kStartupWindowId, kStartupWindowUnitId);
}
