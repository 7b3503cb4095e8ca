#pragma once

#include <windows.h>

#include <utility>

// Owning handles release what they hold when they go; borrowed ones (plain HWND, HDC,
// shared cursors and icons) are never released by this code.
template <class Handle, class Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  ~Owned() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void Reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Traits::Release(handle_);
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

struct WindowTraits {
  static void Release(HWND window) { DestroyWindow(window); }
};
struct GdiObjectTraits {
  static void Release(HGDIOBJ object) { DeleteObject(object); }
};
struct IconTraits {
  static void Release(HICON icon) { DestroyIcon(icon); }
};

using OwnedWindow = Owned<HWND, WindowTraits>;
using OwnedFont = Owned<HFONT, GdiObjectTraits>;
using OwnedBrush = Owned<HBRUSH, GdiObjectTraits>;
using OwnedRegion = Owned<HRGN, GdiObjectTraits>;
using OwnedBitmap = Owned<HBITMAP, GdiObjectTraits>;
using OwnedIcon = Owned<HICON, IconTraits>;

// Selects an object into a device context for one scope and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};
