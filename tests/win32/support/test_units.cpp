#include "test_units.h"

#include <utility>

#include "lifecycle/window_engine.h"
#include "ui/standard_library_win32.h"
#include "ui/unit_kinds.h"

namespace {

constexpr char kParentClass[] = "UnitTestParent";

}  // namespace

OwnedWindow MakeTestParent() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kParentClass;
  RegisterClassA(&windowClass);
  return OwnedWindow(CreateWindowExA(0, kParentClass, "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 400, 120, nullptr,
                                     nullptr, windowClass.hInstance, nullptr));
}

UnitRecord ControlRecord(UnitId id, std::uint32_t kind, std::vector<EventBinding> bindings) {
  UnitRecord record;
  record.id = id;
  record.kind = kind;
  record.bindings = std::move(bindings);
  return record;
}

WindowRecord& RegisterTestWindow(std::vector<UnitRecord> controls) {
  WindowRecord window;
  window.id = kTestWindowId;
  window.units.push_back(ControlRecord(kTestWindowUnitId, kWindowKindCode));
  for (auto& control : controls) window.units.push_back(std::move(control));
  Engine().description.windows.push_back(std::move(window));
  kStandardLibrary.notify(LibraryNotice::ProgramStarts);
  return Engine().description.windows.back();
}

LiveUnit* MakeControl(HWND parent, UnitId unitId, const std::vector<std::uint8_t>& block, std::int32_t width,
                      std::int32_t height) {
  UnitRecord* record = FindUnitRecord(*FindWindowRecord(Engine().description, kTestWindowId), unitId);
  const CreateArguments arguments{.settings = block.data(),
                                  .settingsLength = block.size(),
                                  .parent = parent,
                                  .childId = static_cast<std::int32_t>(unitId & 0xFFFF),
                                  .width = width,
                                  .height = height,
                                  .windowId = kTestWindowId,
                                  .unitId = unitId};
  record->liveObject = FindUnitKind(record->kind)->create(arguments);
  return record->liveObject;
}
