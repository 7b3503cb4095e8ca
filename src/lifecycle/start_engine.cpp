#include "lifecycle/start_engine.h"

#include <optional>

#include "lifecycle/runtime_error.h"
#include "lifecycle/window_engine.h"
#include "ui/description_block.h"

namespace {

std::optional<std::vector<EventBinding>> ResolveBindings(const std::vector<StoredBinding>& stored,
                                                         std::span<const HandlerEntry> handlerBase) {
  std::vector<EventBinding> bindings;
  for (const StoredBinding& binding : stored) {
    const auto handler = ResolveHandlerReference(handlerBase, binding.handlerReference);
    if (!handler) return std::nullopt;
    bindings.push_back({binding.eventNumber, *handler});
  }
  return bindings;
}

std::optional<WindowRecord> ResolveWindow(StoredWindow& stored, std::span<const HandlerEntry> handlerBase) {
  WindowRecord window{stored.id, {}, {}};
  for (StoredUnit& unit : stored.units) {
    auto bindings = ResolveBindings(unit.bindings, handlerBase);
    if (!bindings) return std::nullopt;
    unit.record.bindings = std::move(*bindings);
    window.units.push_back(std::move(unit.record));
  }
  return window;
}

std::optional<WindowDescription> ReadDescription(const ProgramHeader& header) {
  auto stored = ReadDescriptionBlock(header.descriptionBlock, header.descriptionBlockSize);
  if (!stored) return std::nullopt;
  WindowDescription description;
  for (StoredWindow& window : *stored) {
    auto record = ResolveWindow(window, header.handlerBase);
    if (!record) return std::nullopt;
    description.windows.push_back(std::move(*record));
  }
  return description;
}

void StartLibraries(const ProgramHeader& header) {
  WindowEngine& engine = Engine();
  for (std::size_t i = 0; i < header.libraryCount; ++i) {
    const SupportLibrary& library = header.libraryTable[i];
    engine.libraries.push_back(&library);
    if (library.notify != nullptr) library.notify(LibraryNotice::ProgramStarts);
  }
}

}  // namespace

void StartEngine(const ProgramHeader& header) {
  WindowEngine& engine = Engine();
  engine.heap = engine.platform->ProcessHeap();
  engine.buildKind = header.buildKind;
  engine.nextIdentifier = header.identifierSeed + 1;
  engine.platform->MakeHiddenOwner();
  engine.constantBlock = {static_cast<const unsigned char*>(header.constantBlock), header.constantBlockSize};
  StartLibraries(header);
  auto description = ReadDescription(header);
  if (!description) ReportRuntimeError("载入窗口模板数据段出错!", 0);
  engine.description = std::move(*description);
}
