// Reaches one fatal path of the engine for real, chosen by the first argument, after
// registering an exit routine that would leave a marker file if it ever ran.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "lifecycle/program_end.h"
#include "lifecycle/runtime_error.h"
#include "lifecycle/window_engine.h"
#include "platform/win32_platform.h"
#include "uptime/block.h"
#include "uptime/number.h"

namespace {

void LeaveMarker() {
  if (FILE* marker = std::fopen("exit-routine-ran", "w")) std::fclose(marker);
}

}  // namespace

int main(int argc, char** argv) {
  ResetEngine(std::make_unique<Win32Platform>());
  Engine().heap = Engine().platform->ProcessHeap();
  RegisterExitRoutine(LeaveMarker);
  const char* path = argc > 1 ? argv[1] : "";
  if (std::strcmp(path, "allocate") == 0) AllocateBlock(static_cast<std::size_t>(1) << 62);
  if (std::strcmp(path, "remainder") == 0) Remainder(1.0, 0.0);
  if (std::strcmp(path, "report") == 0 && argc > 3) ReportRuntimeError(argv[2], std::atoi(argv[3]));
  if (std::strcmp(path, "exit") == 0) EndProgram(0);
  return 2;
}
