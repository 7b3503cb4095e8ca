#include "ui/window_snapshot.h"

#include <utility>

void TakeSnapshot(WindowRecord& window) { window.snapshot = window.units; }

void RestoreFromSnapshot(WindowRecord& window) {
  if (window.snapshot.empty()) return;
  window.units = std::move(window.snapshot);
  window.snapshot.clear();
}
