#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lifecycle/platform_services.h"

// Platform stand-in that remembers what the engine asked of it. Ending the process
// prints the error text first, so death tests can match it.
class RecordingPlatform final : public PlatformServices {
 public:
  struct Log {
    std::vector<std::int32_t> quitCodes;
    std::vector<std::uint32_t> cursorsLoaded;
    std::vector<CursorHandle> cursorsFreed;
    int hiddenOwnersMade = 0;
    int resourcesReleased = 0;
    // The order in which the process heap was taken and the hidden owner made.
    std::string startTrace;
    BlockHeap processHeap = CRuntimeHeap();
  };

  explicit RecordingPlatform(Log& log) : log_(log) {}

  void ShowErrorBox(const char* text) override {
    std::fputs(text, stderr);
    std::fflush(stderr);
  }
  [[noreturn]] void EndProcess(std::int32_t status) override { std::_Exit(status); }
  void PostQuit(std::int32_t code) override { log_.quitCodes.push_back(code); }
  CursorHandle LoadUnitCursor(std::uint32_t id) override {
    log_.cursorsLoaded.push_back(id);
    return reinterpret_cast<CursorHandle>(static_cast<std::uintptr_t>(id));
  }
  void FreeUnitCursor(CursorHandle cursor) override { log_.cursorsFreed.push_back(cursor); }
  BlockHeap ProcessHeap() override {
    log_.startTrace += "heap;";
    return log_.processHeap;
  }
  void MakeHiddenOwner() override {
    log_.startTrace += "owner;";
    ++log_.hiddenOwnersMade;
  }
  NativeWindow HiddenOwner() const override { return log_.hiddenOwnersMade > 0 ? const_cast<RecordingPlatform*>(this) : nullptr; }
  void ReleaseResources() override { ++log_.resourcesReleased; }

 private:
  Log& log_;
};
