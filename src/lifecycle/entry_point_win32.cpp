#include <windows.h>

#include <memory>

#include "lifecycle/entry_sequence_win32.h"
#include "lifecycle/program_end.h"
#include "lifecycle/window_engine.h"
#include "platform/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ResetEngine(std::make_unique<Win32Platform>());
  RunEntrySequence();
  EndProgram(Engine().quitCode);
}
