#include "lifecycle/program_image_win32.h"

#include "lifecycle/close_request_win32.h"
#include "lifecycle/handler_adapter.h"
#include "ui/refresh_handlers_win32.h"
#include "ui/standard_library_win32.h"
#include "ui/startup_description.h"
#include "uptime/constant_block.h"

namespace {

constexpr std::int32_t kBuildKind = 3;
constexpr std::uint32_t kIdentifierSeed = 0x1006e;

// Every double-click reference leads to the same close handler.
const HandlerEntry kHandlers[] = {
    {kWindowReadyReference, &InvokeHandler<&HandleWindowReady>},
    {kRefreshTickReference, &InvokeHandler<&HandleRefreshTick>},
    {kWindowCloseReference, &InvokeHandler<&HandleCloseRequest>},
    {kLabel1CloseReference, &InvokeHandler<&HandleCloseRequest>},
    {kLabel2CloseReference, &InvokeHandler<&HandleCloseRequest>},
    {kLabel3CloseReference, &InvokeHandler<&HandleCloseRequest>},
    {kLabel4CloseReference, &InvokeHandler<&HandleCloseRequest>},
};

ProgramHeader MakeHeader() {
  const std::vector<std::uint8_t>& description = StartupDescriptionBlock();
  ProgramHeader header;
  header.buildKind = kBuildKind;
  header.identifierSeed = kIdentifierSeed;
  header.handlerBase = kHandlers;
  header.constantBlock = &kConstantBlock;
  header.constantBlockSize = kConstantBlockSize;
  header.descriptionBlock = description.data();
  header.descriptionBlockSize = description.size();
  header.libraryCount = 1;
  header.libraryTable = &kStandardLibrary;
  return header;
}

}  // namespace

const ProgramHeader& ThisProgramHeader() {
  static const ProgramHeader header = MakeHeader();
  return header;
}
