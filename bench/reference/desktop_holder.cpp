// Keeps Wine's desktop process running while scripts/bench starts the measured programs one
// after another, as the desktop always runs on Windows: otherwise each program would wait for
// a new desktop process and the start-up times would measure that. Makes no window; ends when
// the benchmark ends its Wine session.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  GetDesktopWindow();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
