#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "counting_heap.h"
#include "lifecycle/start_engine.h"
#include "recording_platform.h"
#include "stand_in_units.h"
#include "ui/startup_description.h"
#include "uptime/constant_block.h"

namespace {

// Distinct bodies, so that no linker folds them into one address.
HandlerResult Ready(const std::int32_t*, std::int32_t) { return 1; }
HandlerResult Close(const std::int32_t*, std::int32_t) { return 2; }
HandlerResult Tick(const std::int32_t*, std::int32_t) { return 3; }

const HandlerEntry kHandlers[] = {
    {kWindowReadyReference, Ready},  {kWindowCloseReference, Close}, {kLabel1CloseReference, Close},
    {kLabel2CloseReference, Close},  {kLabel3CloseReference, Close}, {kLabel4CloseReference, Close},
    {kRefreshTickReference, Tick},
};

// What the engine held when the support library was told that the program starts.
struct StateAtLibraryStart {
  bool heapTaken = false;
  bool hiddenOwnerMade = false;
  std::int32_t buildKind = 0;
  std::uint32_t nextIdentifier = 0;
  const unsigned char* constantBlock = nullptr;
  std::size_t constantBlockSize = 0;
  std::size_t librariesKept = 0;
  std::size_t windowsRegistered = 0;
};

StateAtLibraryStart& Seen() {
  static StateAtLibraryStart seen;
  return seen;
}

void NotifyObservingLibrary(LibraryNotice notice) {
  const WindowEngine& engine = Engine();
  Seen() = {engine.heap.allocate == CountingHeap::Allocate, engine.platform->HiddenOwner() != nullptr,
            engine.buildKind, engine.nextIdentifier, engine.constantBlock.start, engine.constantBlock.size,
            engine.libraries.size(), engine.description.windows.size()};
  NotifyStandInLibrary(notice);
}

const SupportLibrary kObservingLibrary = {"observing", NotifyObservingLibrary};

class StartEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_.processHeap = CountingHeap::Heap();
    ResetEngine(std::make_unique<RecordingPlatform>(log_));
  }
  RecordingPlatform::Log log_;
};

TEST_F(StartEngineTest, KeepsTheHeaderBeforeTheLibrariesStartAndRegistersTheDescriptionLast) {
  ProgramHeader header = StandInHeader(kHandlers, StartupDescriptionBlock());
  header.libraryTable = &kObservingLibrary;
  StartEngine(header);

  EXPECT_EQ(log_.startTrace, "heap;owner;");
  const StateAtLibraryStart& seen = Seen();
  EXPECT_TRUE(seen.heapTaken);
  EXPECT_TRUE(seen.hiddenOwnerMade);
  EXPECT_EQ(seen.buildKind, 3);
  EXPECT_EQ(seen.nextIdentifier, 0x1006fu);
  EXPECT_EQ(seen.constantBlock, reinterpret_cast<const unsigned char*>(&kConstantBlock));
  EXPECT_EQ(seen.constantBlockSize, 44u);
  EXPECT_EQ(seen.librariesKept, 1u);
  EXPECT_EQ(seen.windowsRegistered, 0u);
  EXPECT_EQ(Engine().kinds.size(), 3u);
  EXPECT_EQ(Engine().description.windows.size(), 1u);
}

TEST_F(StartEngineTest, ResolvesEveryReferenceToItsHandler) {
  StartEngine(StandInHeader(kHandlers, StartupDescriptionBlock()));
  WindowRecord* window = FindWindowRecord(Engine().description, kStartupWindowId);
  ASSERT_NE(window, nullptr);
  using Bindings = std::vector<EventBinding>;
  const Bindings expected[] = {{{0, Ready}, {-3, Close}}, {{-3, Close}}, {{-3, Close}},
                               {{-3, Close}},             {{-3, Close}}, {{0, Tick}}};
  ASSERT_EQ(window->units.size(), std::size(expected));
  for (std::size_t i = 0; i < window->units.size(); ++i) EXPECT_EQ(window->units[i].bindings, expected[i]) << i;
  EXPECT_EQ(window->units[4].name, "标签1");
  EXPECT_TRUE(window->snapshot.empty());
}

TEST_F(StartEngineTest, AReferenceOfMinusOneStaysAsABindingWithoutHandler) {
  auto windows = StartupDescription();
  windows[0].units[0].bindings[0].handlerReference = kNoHandlerReference;
  const auto block = WriteDescriptionBlock(windows);
  StartEngine(StandInHeader(kHandlers, block));
  EXPECT_EQ(Engine().description.windows[0].units[0].bindings, (std::vector<EventBinding>{{0, nullptr}, {-3, Close}}));
}

TEST_F(StartEngineTest, AnUnreadableDescriptionIsFatal) {
  const HandlerEntry withoutLabel2[] = {{kWindowReadyReference, Ready}, {kWindowCloseReference, Close},
                                        {kLabel1CloseReference, Close}, {kLabel3CloseReference, Close},
                                        {kLabel4CloseReference, Close}, {kRefreshTickReference, Tick}};
  auto cut = StartupDescriptionBlock();
  cut.pop_back();
  const struct {
    std::span<const HandlerEntry> handlers;
    const std::vector<std::uint8_t>& block;
  } table[] = {{withoutLabel2, StartupDescriptionBlock()}, {kHandlers, cut}};
  for (const auto& row : table) {
    EXPECT_EXIT(StartEngine(StandInHeader(row.handlers, row.block)), ::testing::ExitedWithCode(255),
                ::testing::HasSubstr("错误信息：载入窗口模板数据段出错!\r\n"));
  }
}

}  // namespace
