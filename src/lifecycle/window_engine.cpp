#include "lifecycle/window_engine.h"

#include "lifecycle/console_platform.h"

namespace {

WindowEngine MakeEngine(std::unique_ptr<PlatformServices> platform) {
  WindowEngine engine;
  engine.platform = std::move(platform);
  return engine;
}

}  // namespace

WindowEngine& Engine() {
  static WindowEngine engine = MakeEngine(std::make_unique<ConsolePlatform>());
  return engine;
}

void ResetEngine(std::unique_ptr<PlatformServices> platform) { Engine() = MakeEngine(std::move(platform)); }
