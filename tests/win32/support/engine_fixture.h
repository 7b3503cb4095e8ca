#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "lifecycle/event_record.h"
#include "ui/window_description.h"

// An event as a recording handler saw it.
struct SeenEvent {
  UnitId unitId;
  std::int32_t eventNumber;
  std::vector<std::int32_t> arguments;
  bool windowVisible;
  bool operator==(const SeenEvent&) const = default;
};

// Starts the engine on the real window system (quiet error box) with the program's own
// description; tests bind recording handlers to events of its units.
class EngineFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static WindowRecord& Startup();
  static UnitRecord& Unit(UnitId unitId);
  static HWND NativeOf(UnitId unitId);
  static HWND Form();

  // Binds, ahead of the unit's own bindings, a handler that records the event and hands
  // back the given value, or nothing.
  template <UnitId U, std::int32_t E>
  static void Bind(std::optional<std::int32_t> handBack = std::nullopt) {
    answers[{U, E}] = handBack;
    auto& bindings = Unit(U).bindings;
    bindings.insert(bindings.begin(), EventBinding{E, &Recorder<U, E>});
  }
  static std::vector<std::int32_t> EventsOf(UnitId unitId);

  static void Pump();
  static bool TakeQuit(std::int32_t* code = nullptr);

  static inline std::vector<SeenEvent> seen;
  static inline std::map<std::pair<UnitId, std::int32_t>, std::optional<std::int32_t>> answers;

 private:
  template <UnitId U, std::int32_t E>
  static HandlerResult Recorder(const std::int32_t* arguments, std::int32_t count) {
    HWND form = Form();
    seen.push_back({U, E, std::vector<std::int32_t>(arguments, arguments + count),
                    form != nullptr && IsWindowVisible(form) != FALSE});
    return answers[{U, E}];
  }
};
