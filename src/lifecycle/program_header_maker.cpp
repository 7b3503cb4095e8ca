#include "lifecycle/program_header_maker.h"

#include "uptime/constant_block.h"

namespace {

constexpr std::int32_t kBuildKind = 3;
constexpr std::uint32_t kIdentifierSeed = 0x1006e;

}  // namespace

ProgramHeader MakeProgramHeader(std::span<const HandlerEntry> handlerBase,
                                const std::vector<std::uint8_t>& descriptionBlock, const SupportLibrary& library) {
  ProgramHeader header;
  header.buildKind = kBuildKind;
  header.identifierSeed = kIdentifierSeed;
  header.handlerBase = handlerBase;
  header.constantBlock = &kConstantBlock;
  header.constantBlockSize = kConstantBlockSize;
  header.descriptionBlock = descriptionBlock.data();
  header.descriptionBlockSize = descriptionBlock.size();
  header.libraryCount = 1;
  header.libraryTable = &library;
  return header;
}
