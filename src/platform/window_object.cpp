#include "platform/window_object.h"

WindowObject* WindowObject::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  // Only windows whose procedure is ours carry an object in their user data.
  if (GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure)) return nullptr;
  return reinterpret_cast<WindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK WindowObject::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    object->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  auto* object = reinterpret_cast<WindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (object == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = object->WindowProcedure(message, wParam, lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    object->handle_ = nullptr;
    if (object->created_) object->AfterWindowGone();
    return result;
  }
  return object->WindowProcedure(message, wParam, lParam);
}

HWND WindowObject::Create(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                          int width, int height, HWND parent, HMENU menuOrId) {
  HWND window = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menuOrId,
                                GetModuleHandleA(nullptr), this);
  // A class whose procedure is not ours makes a window that never binds to this object.
  if (window != nullptr && handle_ != window) {
    DestroyWindow(window);
    return nullptr;
  }
  created_ = window != nullptr;
  return window;
}

bool WindowObject::PreTranslate(MSG&) { return false; }

bool EnsureWindowClass(const char* name, UINT styles, HCURSOR cursor, HBRUSH background) {
  WNDCLASSA existing;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoA(instance, name, &existing)) return existing.lpfnWndProc == &WindowObject::Procedure;
  WNDCLASSA windowClass{};
  windowClass.style = styles;
  windowClass.lpfnWndProc = &WindowObject::Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}
