#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/handles.h"
#include "ui/unit_kind.h"
#include "ui/window_description.h"

inline constexpr UnitId kTestWindowId = 0x52010001;
inline constexpr UnitId kTestWindowUnitId = 0x06010000;

// A plain top-level window, never shown unless a test shows it, to hold controls under test.
OwnedWindow MakeTestParent();

// Registers a window record: unit 0 the window itself, then the given controls; and the
// window kind and the label and timer kinds with their operations.
WindowRecord& RegisterTestWindow(std::vector<UnitRecord> controls);

UnitRecord ControlRecord(UnitId id, std::uint32_t kind, std::vector<EventBinding> bindings = {});

// Creates a control of the registered test window at 0, 0 through its kind's create operation
// and records it as the unit's live object, as the window's loading does. Null when the
// kind refuses.
LiveUnit* MakeControl(HWND parent, UnitId unitId, const std::vector<std::uint8_t>& block, std::int32_t width,
                      std::int32_t height);

// Dispatches what is waiting in the thread's queue, waiting up to timeoutMs for more, until
// done() holds or the time is up; true when done() held.
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  MSG message;
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return true;
}
