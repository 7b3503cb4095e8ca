#include "ui/standard_library_win32.h"

#include "lifecycle/window_engine.h"
#include "ui/rebuild_unit_win32.h"
#include "ui/standard_kinds_win32.h"
#include "ui/unit_kinds.h"
#include "ui/window_kind_win32.h"

namespace {

UnitKind WithOperations(UnitKind kind, CreateOperation create, WritePropertyOperation write,
                        ReadPropertyOperation read) {
  kind.create = create;
  kind.writeProperty = write;
  kind.readProperty = read;
  return kind;
}

void Notify(LibraryNotice notice) {
  if (notice != LibraryNotice::ProgramStarts) return;
  Engine().rebuildUnit = RebuildUnit;
  Engine().kinds = {
      WithOperations(MakeWindowKind(), CreateWindowUnit, WriteWindowProperty, ReadWindowProperty),
      WithOperations(MakeLabelKind(), CreateLabelUnit, WriteLabelProperty, ReadLabelProperty),
      WithOperations(MakeTimerKind(), CreateTimerUnit, WriteTimerProperty, ReadTimerProperty),
  };
}

}  // namespace

const SupportLibrary kStandardLibrary = {"standard", Notify};
