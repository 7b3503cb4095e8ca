#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "lifecycle/event_record.h"
#include "lifecycle/support_library.h"

// One entry of the handler base: the handler a binding's reference stands for.
struct HandlerEntry {
  std::int32_t reference;
  Handler handler;
};

// The table through which the program hands its data to the engine at start.
struct ProgramHeader {
  std::int32_t buildKind = 0;
  std::int32_t reserved = 0;
  // Not below any identifier number used in the description; numbers for added units
  // are handed out from seed + 1.
  std::uint32_t identifierSeed = 0;
  std::span<const HandlerEntry> handlerBase;
  // FreeBlock leaves pointers into the constant block alone.
  const void* constantBlock = nullptr;
  std::size_t constantBlockSize = 0;
  const std::uint8_t* descriptionBlock = nullptr;
  std::size_t descriptionBlockSize = 0;
  std::size_t libraryCount = 0;
  const SupportLibrary* libraryTable = nullptr;
  std::size_t extraCount = 0;
  const void* extraTable1 = nullptr;
  const void* extraTable2 = nullptr;
};

// -1 gives no handler (null); a reference that names no entry gives nothing at all, which
// makes the description unreadable.
std::optional<Handler> ResolveHandlerReference(std::span<const HandlerEntry> handlerBase, std::int32_t reference);
