#pragma once

#include "lifecycle/platform_services.h"

// The run-time object of a window or control, as the portable engine reaches it. Each
// object owns itself: it deletes itself after its native window is gone.
class LiveUnit {
 public:
  virtual NativeWindow Native() const = 0;
  bool HasNativeWindow() const { return Native() != nullptr; }

  // Common properties applied to the native window.
  virtual void Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) = 0;
  virtual void SetShown(bool shown) = 0;
  virtual void SetEnabled(bool enabled) = 0;

 protected:
  ~LiveUnit() = default;
};
