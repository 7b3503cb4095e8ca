#include "lifecycle/event_loop_win32.h"

#include "lifecycle/window_engine.h"
#include "platform/window_object.h"

namespace {

HWND ParentOf(HWND window) {
  return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(window) : nullptr;
}

bool OfferToWindows(MSG& message) {
  for (HWND window = message.hwnd; window != nullptr; window = ParentOf(window)) {
    WindowObject* object = WindowObject::FromHandle(window);
    if (object != nullptr && object->PreTranslate(message)) return true;
    // A handler may have destroyed the window chain under us.
    if (!IsWindow(window)) return true;
  }
  return false;
}

}  // namespace

void ProcessMessage(MSG& message) {
  if (OfferToWindows(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void ProcessWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ProcessMessage(message);
  }
}

std::int32_t RunEventLoop() {
  WindowEngine& engine = Engine();
  engine.loopEntered = true;
  if (!AnyWindowAlive(engine.description)) return 0;
  MSG message;
  // The engine has no idle work, so waiting for the next message is all the idle step does.
  while (GetMessageA(&message, nullptr, 0, 0) > 0) ProcessMessage(message);
  return message.message == WM_QUIT ? static_cast<std::int32_t>(message.wParam) : 0;
}
