#include "ui/child_unit_win32.h"

#include "ui/unit_gone.h"

void CChildUnit::Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CChildUnit::SetShown(bool shown) { ShowWindow(Handle(), shown ? SW_SHOWNA : SW_HIDE); }

void CChildUnit::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled ? TRUE : FALSE); }

bool CChildUnit::CreateChild(const char* className, const char* text, DWORD style, const CreateArguments& arguments) {
  return Create(0, className, text, style, arguments.left, arguments.top, arguments.width, arguments.height,
                static_cast<HWND>(arguments.parent),
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(arguments.childId))) != nullptr;
}

void CChildUnit::AfterWindowGone() {
  UnitGone(windowId_, unitId_);
  delete this;
}
