#include "lifecycle/entry_sequence_win32.h"

#include <cfenv>

#include "lifecycle/event_loop_win32.h"
#include "lifecycle/program_end.h"
#include "lifecycle/program_image_win32.h"
#include "lifecycle/runtime_error.h"
#include "lifecycle/start_engine.h"
#include "lifecycle/window_engine.h"
#include "ui/load_window_win32.h"
#include "ui/startup_description.h"

namespace {

void OnProgramStart() {}
void OnProgramExit() {}

}  // namespace

int RunEntrySequence() {
  StartEngine(ThisProgramHeader());
  std::fesetenv(FE_DFL_ENV);
  OnProgramStart();
  RegisterExitRoutine(OnProgramExit);
  if (!LoadWindow(kStartupWindowId)) ReportRuntimeError("载入启动窗口失败", 0);
  Engine().quitCode = RunEventLoop();
  return 0;
}
