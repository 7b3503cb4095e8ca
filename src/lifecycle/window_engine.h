#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "lifecycle/platform_services.h"
#include "lifecycle/program_end.h"
#include "lifecycle/support_library.h"
#include "ui/unit_kind.h"
#include "ui/unit_rebuild.h"
#include "ui/window_description.h"
#include "uptime/block_heap.h"

// The engine's shared state: one per process, made by the platform start-up code.
struct WindowEngine {
  struct Bounds {
    const unsigned char* start = nullptr;
    std::size_t size = 0;
  };

  // While above 0, RaiseEvent calls no handler.
  std::int32_t eventBlockCount = 0;
  bool loopEntered = false;
  // The code of the quit request that ended the event loop: the process's exit status.
  std::int32_t quitCode = 0;
  // Set while a control is destroyed only to be made anew; its end is then no news.
  bool rebuildingUnit = false;
  std::vector<ExitRoutine> exitRoutines;
  // The registered windows.
  WindowDescription description;
  std::vector<UnitKind> kinds;
  std::vector<const SupportLibrary*> libraries;
  BlockHeap heap = CRuntimeHeap();
  Bounds constantBlock;
  std::int32_t buildKind = 0;
  std::uint32_t nextIdentifier = 0;
  std::unique_ptr<PlatformServices> platform;
  // Set by the platform: rebuilds a control whose property write asked for it.
  RebuildHook rebuildUnit = nullptr;
};

WindowEngine& Engine();

// Starts the engine afresh on the given platform: used by the start-up code and by tests.
void ResetEngine(std::unique_ptr<PlatformServices> platform);
