// Reads the start-up window of a running program from the outside: prints the tick count that
// this process sees ("tick N"), then one line per child window, "ID<tab>TEXT", with the text as
// the window system holds it (GBK). Exits 1 when no start-up window is found.
#include <windows.h>

#include <cstdio>

namespace {

// The start-up window's class when its description names none.
constexpr char kFormClass[] = "UptimeWindowForm";

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  char text[256] = {};
  GetWindowTextA(child, text, static_cast<int>(sizeof text));
  std::printf("%d\t%s\n", GetDlgCtrlID(child), text);
  return TRUE;
}

}  // namespace

int main() {
  HWND form = FindWindowA(kFormClass, nullptr);
  if (form == nullptr) {
    std::fprintf(stderr, "no window of class %s\n", kFormClass);
    return 1;
  }
  std::printf("tick %llu\n", static_cast<unsigned long long>(GetTickCount64()));
  EnumChildWindows(form, PrintChild, 0);
  return 0;
}
