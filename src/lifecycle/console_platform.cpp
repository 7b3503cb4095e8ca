#include "lifecycle/console_platform.h"

#include <cstdio>
#include <cstdlib>

void ConsolePlatform::ShowErrorBox(const char* text) {
  std::fputs(text, stderr);
  std::fflush(stderr);
}

void ConsolePlatform::EndProcess(std::int32_t status) { std::_Exit(status); }

void ConsolePlatform::PostQuit(std::int32_t) {}

CursorHandle ConsolePlatform::LoadUnitCursor(std::uint32_t) { return nullptr; }

void ConsolePlatform::FreeUnitCursor(CursorHandle) {}

void ConsolePlatform::ReleaseResources() {}

BlockHeap ConsolePlatform::ProcessHeap() { return CRuntimeHeap(); }

void ConsolePlatform::MakeHiddenOwner() {}

NativeWindow ConsolePlatform::HiddenOwner() const { return nullptr; }
