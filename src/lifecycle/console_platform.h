#pragma once

#include "lifecycle/platform_services.h"

// Platform stand-in for the portable build: fatal texts go to standard error and the
// process ends with _Exit; there are no windows, cursors or message queue.
class ConsolePlatform final : public PlatformServices {
 public:
  void ShowErrorBox(const char* text) override;
  [[noreturn]] void EndProcess(std::int32_t status) override;
  void PostQuit(std::int32_t code) override;
  CursorHandle LoadUnitCursor(std::uint32_t systemCursorId) override;
  void FreeUnitCursor(CursorHandle cursor) override;
  BlockHeap ProcessHeap() override;
  void MakeHiddenOwner() override;
  NativeWindow HiddenOwner() const override;
  void ReleaseResources() override;
};
