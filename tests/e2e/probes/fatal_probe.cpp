// Reaches one fatal path of the engine for real, chosen by the first argument, after
// registering an exit routine that would leave a marker file if it ever ran. Every path but
// "report" makes the bad call itself through the engine, with the program's own header or
// one spoiled on purpose.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "lifecycle/destroy_unit_win32.h"
#include "lifecycle/entry_sequence_win32.h"
#include "lifecycle/event_dispatch.h"
#include "lifecycle/program_end.h"
#include "lifecycle/program_image_win32.h"
#include "lifecycle/runtime_error.h"
#include "lifecycle/start_engine.h"
#include "lifecycle/window_engine.h"
#include "platform/win32_platform.h"
#include "ui/load_window_win32.h"
#include "ui/set_unit_property.h"
#include "ui/startup_description.h"
#include "uptime/block.h"
#include "uptime/number.h"

namespace {

constexpr UnitId kUndescribedWindowId = 0x52010002;
constexpr UnitId kUndescribedUnitId = 0x16010999;
constexpr UnitId kUnknownKindUnitId = 0x16010998;
constexpr std::uint32_t kUnknownKindCode = 0x00019999;
constexpr std::int32_t kCaptionProperty = 8;
constexpr std::int32_t kWholeProperty = -1;

void LeaveMarker() {
  if (FILE* marker = std::fopen("exit-routine-ran", "w")) std::fclose(marker);
}

// Refuses every label window, so that loading the start-up window fails.
LRESULT CALLBACK RefuseLabels(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    if (!IS_INTRESOURCE(create->lpszClass) && std::strcmp(create->lpszClass, "CLabelUnit") == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The program's header with another description block; the block must outlive the engine.
ProgramHeader WithDescription(const std::vector<std::uint8_t>& block) {
  ProgramHeader header = ThisProgramHeader();
  header.descriptionBlock = block.data();
  header.descriptionBlockSize = block.size();
  return header;
}

// The program's description with one more control, of a kind no library provides.
std::vector<std::uint8_t> DescriptionWithUnknownKind() {
  std::vector<StoredWindow> windows = StartupDescription();
  StoredUnit unknown;
  unknown.record.id = kUnknownKindUnitId;
  unknown.record.kind = kUnknownKindCode;
  windows.front().units.push_back(unknown);
  return WriteDescriptionBlock(windows);
}

void RaiseClick(UnitId windowId, UnitId unitId) {
  EventRecord record = MakeEventRecord(windowId, unitId, -1, {1, 1, 0});
  RaiseEvent(record);
}

void WriteCaption(UnitId windowId) {
  SetUnitProperty(windowId, kLabel1Id, kCaptionProperty, kWholeProperty, "0天0时0分0秒");
}

void Run(const char* path, int argc, char** argv) {
  auto is = [path](const char* name) { return std::strcmp(path, name) == 0; };
  if (is("allocate")) AllocateBlock(static_cast<std::size_t>(1) << 62);
  if (is("remainder")) Remainder(1.0, 0.0);
  if (is("report") && argc > 3) ReportRuntimeError(argv[2], std::atoi(argv[3]));
  if (is("exit")) EndProgram(0);
  if (is("load")) {
    SetWindowsHookExA(WH_CBT, RefuseLabels, nullptr, GetCurrentThreadId());
    RunEntrySequence();
  }
  if (is("description")) {
    ProgramHeader cut = ThisProgramHeader();
    --cut.descriptionBlockSize;
    StartEngine(cut);
  }
  if (is("event-kind")) {
    const std::vector<std::uint8_t> block = DescriptionWithUnknownKind();
    StartEngine(WithDescription(block));
    RaiseClick(kStartupWindowId, kUnknownKindUnitId);
  }
  StartEngine(ThisProgramHeader());
  if (is("event-window")) RaiseClick(kUndescribedWindowId, kStartupWindowUnitId);
  if (is("event-unit")) RaiseClick(kStartupWindowId, kUndescribedUnitId);
  if (is("destroy")) DestroyUnit(kStartupWindowId, kLabel1Id);
  if (is("property-window")) WriteCaption(kUndescribedWindowId);
  if (is("property-unit") && LoadWindow(kStartupWindowId)) {
    DestroyUnit(kStartupWindowId, kStartupWindowUnitId, 1);
    WriteCaption(kStartupWindowId);
  }
}

}  // namespace

int main(int argc, char** argv) {
  ResetEngine(std::make_unique<Win32Platform>());
  Engine().heap = Engine().platform->ProcessHeap();
  RegisterExitRoutine(LeaveMarker);
  Run(argc > 1 ? argv[1] : "", argc, argv);
  return 2;
}
