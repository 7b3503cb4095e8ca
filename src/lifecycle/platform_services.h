#pragma once

#include <cstdint>

#include "uptime/block_heap.h"

// Opaque native handles as the portable code sees them; only the Win32 side looks inside.
using NativeWindow = void*;
using CursorHandle = void*;

// The one seam between the portable engine and the platform: what the engine needs from
// the window system without naming it. Tests substitute their own.
class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // Shows the fatal error text and waits until the user dismisses it.
  virtual void ShowErrorBox(const char* text) = 0;
  [[noreturn]] virtual void EndProcess(std::int32_t status) = 0;
  virtual void PostQuit(std::int32_t code) = 0;

  // systemCursorId is a system cursor identifier (32512...); null when there is none.
  virtual CursorHandle LoadUnitCursor(std::uint32_t systemCursorId) = 0;
  virtual void FreeUnitCursor(CursorHandle cursor) = 0;

  // The process's default heap, taken for AllocateBlock and FreeBlock at start.
  virtual BlockHeap ProcessHeap() = 0;

  // The invisible owner of windows kept out of the taskbar; made at start, released with
  // the engine's other native resources when it shuts down.
  virtual void MakeHiddenOwner() = 0;
  virtual NativeWindow HiddenOwner() const = 0;
  virtual void ReleaseResources() = 0;
};
