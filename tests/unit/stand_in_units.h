#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "lifecycle/program_header.h"
#include "lifecycle/program_header_maker.h"
#include "lifecycle/window_engine.h"
#include "ui/live_unit.h"
#include "ui/unit_kinds.h"

// A live window or control without a window system: it keeps what the engine applies to
// it and what the kind's write operation received.
class StandInUnit final : public LiveUnit {
 public:
  struct Write {
    std::int32_t number;  // kind-relative
    std::int32_t integer;
    std::optional<std::string> text;  // nullopt for a null text
    std::vector<std::uint8_t> bytes;
    std::int32_t length;
  };

  NativeWindow Native() const override { return native; }
  void Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override {
    placed = {left, top, width, height};
  }
  void SetShown(bool isShown) override { shown = isShown; }
  void SetEnabled(bool isEnabled) override { enabled = isEnabled; }

  NativeWindow native = this;
  std::optional<std::array<std::int32_t, 4>> placed;
  std::optional<bool> shown;
  std::optional<bool> enabled;
  std::vector<Write> writes;
  bool asksForRebuild = false;
  bool losesWindowOnWrite = false;
};

inline bool StandInWriteProperty(LiveUnit& live, std::int32_t number, const PropertyValue& value) {
  auto& unit = static_cast<StandInUnit&>(live);
  std::vector<std::uint8_t> bytes;
  if (value.bytes != nullptr) bytes.assign(value.bytes, value.bytes + value.length);
  unit.writes.push_back({number, value.integer,
                         value.text == nullptr ? std::nullopt : std::optional<std::string>(value.text), bytes,
                         value.length});
  if (unit.losesWindowOnWrite) unit.native = nullptr;
  return unit.asksForRebuild;
}

inline UnitKind WithStandInOperations(UnitKind kind) {
  kind.writeProperty = StandInWriteProperty;
  return kind;
}

// The support library of the tests: registers the three kinds with stand-in operations.
inline void NotifyStandInLibrary(LibraryNotice notice) {
  if (notice != LibraryNotice::ProgramStarts) return;
  for (UnitKind kind : {MakeWindowKind(), MakeLabelKind(), MakeTimerKind()}) {
    Engine().kinds.push_back(WithStandInOperations(kind));
  }
}

inline const SupportLibrary kStandInLibrary = {"stand-in kinds", NotifyStandInLibrary};

// The program's header with the given handler base and description block.
inline ProgramHeader StandInHeader(std::span<const HandlerEntry> handlerBase, const std::vector<std::uint8_t>& block) {
  return MakeProgramHeader(handlerBase, block, kStandInLibrary);
}

// Gives every unit of a window a live stand-in, as a load of the window would.
class LiveStandIns {
 public:
  void Attach(WindowRecord& window) {
    for (UnitRecord& unit : window.units) {
      units_.push_back(std::make_unique<StandInUnit>());
      unit.liveObject = units_.back().get();
    }
  }
  StandInUnit& operator[](std::size_t index) { return *units_.at(index); }

 private:
  std::vector<std::unique_ptr<StandInUnit>> units_;
};
