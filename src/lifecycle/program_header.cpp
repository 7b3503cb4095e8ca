#include "lifecycle/program_header.h"

#include <algorithm>

#include "ui/description_block.h"

std::optional<Handler> ResolveHandlerReference(std::span<const HandlerEntry> handlerBase, std::int32_t reference) {
  if (reference == kNoHandlerReference) return Handler{nullptr};
  auto found = std::find_if(handlerBase.begin(), handlerBase.end(),
                            [reference](const HandlerEntry& entry) { return entry.reference == reference; });
  if (found == handlerBase.end()) return std::nullopt;
  return found->handler;
}
