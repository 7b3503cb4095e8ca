#include "support/engine_fixture.h"

#include <memory>

#include "lifecycle/event_loop_win32.h"
#include "lifecycle/program_image_win32.h"
#include "lifecycle/start_engine.h"
#include "lifecycle/window_engine.h"
#include "support/quiet_platform.h"
#include "ui/live_unit.h"
#include "ui/startup_description.h"

void EngineFixture::SetUp() {
  ResetEngine(std::make_unique<QuietPlatform>());
  StartEngine(ThisProgramHeader());
  seen.clear();
  answers.clear();
}

void EngineFixture::TearDown() {
  if (HWND form = Form()) DestroyWindow(form);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

WindowRecord& EngineFixture::Startup() { return *FindWindowRecord(Engine().description, kStartupWindowId); }

UnitRecord& EngineFixture::Unit(UnitId unitId) { return *FindUnitRecord(Startup(), unitId, true); }

HWND EngineFixture::NativeOf(UnitId unitId) {
  LiveUnit* live = Unit(unitId).liveObject;
  return live != nullptr ? static_cast<HWND>(live->Native()) : nullptr;
}

HWND EngineFixture::Form() { return NativeOf(kStartupWindowUnitId); }

std::vector<std::int32_t> EngineFixture::EventsOf(UnitId unitId) {
  std::vector<std::int32_t> events;
  for (const SeenEvent& event : seen) {
    if (event.unitId == unitId) events.push_back(event.eventNumber);
  }
  return events;
}

void EngineFixture::Pump() { ProcessWaitingMessages(); }

bool EngineFixture::TakeQuit(std::int32_t* code) {
  MSG message;
  if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  if (code != nullptr) *code = static_cast<std::int32_t>(message.wParam);
  return true;
}
