#pragma once

#include "lifecycle/platform_services.h"
#include "platform/handles.h"

// The engine's services on the real window system.
class Win32Platform : public PlatformServices {
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

 private:
  OwnedWindow hiddenOwner_;
};
