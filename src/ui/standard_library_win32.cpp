#include "ui/standard_library_win32.h"

#include "lifecycle/window_engine.h"
#include "ui/unit_kinds.h"
#include "ui/window_kind_win32.h"

namespace {

UnitKind WindowKind() {
  UnitKind kind = MakeWindowKind();
  kind.create = CreateWindowUnit;
  kind.writeProperty = WriteWindowProperty;
  kind.readProperty = ReadWindowProperty;
  return kind;
}

void Notify(LibraryNotice notice) {
  if (notice != LibraryNotice::ProgramStarts) return;
  Engine().kinds = {WindowKind(), MakeLabelKind(), MakeTimerKind()};
}

}  // namespace

const SupportLibrary kStandardLibrary = {"standard", Notify};
