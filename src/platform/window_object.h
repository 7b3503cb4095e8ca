#pragma once

#include <windows.h>

#include <span>

// The object side of a native window: it is bound to its window when the window is made
// (through the creation parameter, kept in the window's user data, so no handle map is
// needed), receives the window's messages through its class's message table, may claim
// messages before they are dispatched, and gets a last call once the window is gone.
class WindowObject {
 public:
  WindowObject() = default;
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  HWND Handle() const { return handle_; }

  // The object bound to a window of one of this program's classes; null for any other.
  static WindowObject* FromHandle(HWND window);

  // The window procedure of every class registered by this program.
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Creates the native window bound to this object; null when it can't be made.
  HWND Create(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y, int width,
              int height, HWND parent, HMENU menuOrId);

  // Offered every message of the event loop whose target is this window or a descendant,
  // before translation and dispatch; true claims it.
  virtual bool PreTranslate(MSG& message);

 protected:
  virtual ~WindowObject() = default;

  template <class Derived>
  struct MessageEntry {
    UINT message;
    LRESULT (Derived::*handler)(WPARAM wParam, LPARAM lParam);
  };

  // Looks the message up in the class's table; unknown messages go to DefaultProcedure.
  template <class Derived>
  LRESULT Dispatch(std::span<const MessageEntry<Derived>> table, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const auto& entry : table) {
      if (entry.message == message) return (static_cast<Derived*>(this)->*entry.handler)(wParam, lParam);
    }
    return DefaultProcedure(message, wParam, lParam);
  }

  LRESULT DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle_, message, wParam, lParam);
  }

  virtual LRESULT WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  // Runs after the native window and its children are gone; the object may delete itself.
  // A window that failed while being made never gets here: whoever made it deletes it.
  virtual void AfterWindowGone() {}

 private:
  HWND handle_ = nullptr;
  bool created_ = false;
};

// Registers a window class of this program once; true when it exists afterwards.
bool EnsureWindowClass(const char* name, UINT styles, HCURSOR cursor, HBRUSH background);
