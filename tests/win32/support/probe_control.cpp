#include "support/probe_control.h"

#include "lifecycle/event_dispatch.h"
#include "lifecycle/window_engine.h"
#include "ui/unit_gone.h"

LiveUnit* ProbeControl::Create(const CreateArguments& arguments) {
  if (arguments.unitId == failingUnit) return nullptr;
  EnsureWindowClass("ProbeControl", CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW), nullptr);
  auto* probe = new ProbeControl(arguments.windowId, arguments.unitId);
  probe->WindowObject::Create(0, "ProbeControl", "", WS_CHILD | WS_CLIPSIBLINGS | arguments.styleBits, arguments.left,
                              arguments.top, arguments.width, arguments.height,
                              static_cast<HWND>(arguments.parent),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(arguments.childId)));
  creations.push_back({arguments.unitId, arguments.childId});
  EventRecord event;
  event.windowId = arguments.windowId;
  event.unitId = arguments.unitId;
  event.eventNumber = -1;
  RaiseEvent(event);
  return probe;
}

bool ProbeControl::Write(LiveUnit&, std::int32_t, const PropertyValue&) { return false; }

PropertyValue ProbeControl::Read(LiveUnit&, std::int32_t) { return {}; }

void ProbeControl::Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  MoveWindow(Handle(), left, top, width, height, TRUE);
}

void ProbeControl::SetShown(bool shown) { ShowWindow(Handle(), shown ? SW_SHOWNA : SW_HIDE); }

void ProbeControl::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled); }

LRESULT ProbeControl::WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  dispatched.push_back(message);
  return DefaultProcedure(message, wParam, lParam);
}

void ProbeControl::AfterWindowGone() {
  UnitGone(windowId_, unitId_);
  delete this;
}

void UseProbeControlsForLabelsAndTimers() {
  for (UnitKind& kind : Engine().kinds) {
    if (kind.code == kLabelKindCode || kind.code == kTimerKindCode) {
      kind.create = ProbeControl::Create;
      kind.writeProperty = ProbeControl::Write;
      kind.readProperty = ProbeControl::Read;
    }
  }
}
