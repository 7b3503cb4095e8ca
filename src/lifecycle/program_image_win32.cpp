#include "lifecycle/program_image_win32.h"

#include "lifecycle/close_request_win32.h"
#include "lifecycle/handler_adapter.h"
#include "lifecycle/program_header_maker.h"
#include "ui/refresh_handlers_win32.h"
#include "ui/standard_library_win32.h"
#include "ui/startup_description.h"

namespace {

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

}  // namespace

const ProgramHeader& ThisProgramHeader() {
  static const ProgramHeader header = MakeProgramHeader(kHandlers, StartupDescriptionBlock(), kStandardLibrary);
  return header;
}
