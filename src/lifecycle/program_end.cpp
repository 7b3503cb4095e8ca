#include "lifecycle/program_end.h"

#include <algorithm>
#include <cstdlib>

#include "lifecycle/window_engine.h"
#include "ui/window_description.h"

void RegisterExitRoutine(ExitRoutine routine) {
  auto& routines = Engine().exitRoutines;
  if (std::find(routines.begin(), routines.end(), routine) == routines.end()) routines.push_back(routine);
}

void ShutDownEngine() {
  WindowEngine& engine = Engine();
  ++engine.eventBlockCount;
  engine.description.windows.clear();
  // Taken out first so that a routine registering another cannot grow the list under us.
  const auto routines = std::move(engine.exitRoutines);
  engine.exitRoutines.clear();
  for (ExitRoutine routine : routines) routine();
  for (const SupportLibrary* library : engine.libraries) {
    if (library->notify != nullptr) library->notify(LibraryNotice::ProgramEnds);
  }
  engine.platform->ReleaseResources();
}

void EndProgram(std::int32_t status) {
  ShutDownEngine();
  Engine().platform->EndProcess(status);
  std::abort();  // the compiler cannot see through the virtual call that it never returns
}

void ApplyQuitRule() {
  WindowEngine& engine = Engine();
  if (engine.loopEntered && !AnyWindowAlive(engine.description)) engine.platform->PostQuit(0);
}
