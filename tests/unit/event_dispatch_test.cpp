#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "lifecycle/event_dispatch.h"
#include "lifecycle/handler_adapter.h"
#include "started_engine.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ExitedWithCode;
using ::testing::HasSubstr;

struct Call {
  std::string handler;
  std::vector<std::int32_t> arguments;
  bool operator==(const Call&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Call& call) {
    out << call.handler << "(";
    for (std::int32_t argument : call.arguments) out << argument << ",";
    return out << ")";
  }
};

std::vector<Call>& Calls() {
  static std::vector<Call> calls;
  return calls;
}

void HandleWindowReady() { Calls().push_back({"ready", {}}); }
void HandleCloseRequest(std::int32_t x, std::int32_t y, std::int32_t keys) { Calls().push_back({"close", {x, y, keys}}); }
void HandleOtherClose(std::int32_t x, std::int32_t, std::int32_t) { Calls().push_back({"other", {x}}); }
// Hands back 0, which is not the same as handing back nothing.
std::int32_t HandleRefreshTick() {
  Calls().push_back({"tick", {}});
  return 0;
}

const HandlerEntry kHandlers[] = {
    {kWindowReadyReference, InvokeHandler<HandleWindowReady>},
    {kWindowCloseReference, InvokeHandler<HandleCloseRequest>},
    {kLabel1CloseReference, InvokeHandler<HandleCloseRequest>},
    {kLabel2CloseReference, InvokeHandler<HandleCloseRequest>},
    {kLabel3CloseReference, InvokeHandler<HandleCloseRequest>},
    {kLabel4CloseReference, InvokeHandler<HandleCloseRequest>},
    {kRefreshTickReference, InvokeHandler<HandleRefreshTick>},
};

class RaiseEventTest : public StartedEngineTest {
 protected:
  void SetUp() override {
    Calls().clear();
    Start(kHandlers);
  }
};

TEST_F(RaiseEventTest, CallsTheBoundHandlerWithTheEventsArguments) {
  EventRecord onWindow = MakeEventRecord(kStartupWindowId, kStartupWindowUnitId, -3, {5, 6, 3});
  EventRecord onUnitZero = MakeEventRecord(kStartupWindowId, 0, 0);
  EventRecord onLabel = MakeEventRecord(kStartupWindowId, kLabel3Id, -3, {7, 8, 0});
  EXPECT_TRUE(RaiseEvent(onWindow));
  EXPECT_TRUE(RaiseEvent(onUnitZero)) << "unit 0 stands for the window";
  EXPECT_TRUE(RaiseEvent(onLabel));
  EXPECT_THAT(Calls(), ElementsAre(Call{"close", {5, 6, 3}}, Call{"ready", {}}, Call{"close", {7, 8, 0}}));
  EXPECT_EQ(onWindow.hasResult, 0) << "a void handler hands back nothing";
}

TEST_F(RaiseEventTest, RecordsAHandedBackValue) {
  EventRecord tick = MakeEventRecord(kStartupWindowId, kTimer1Id, 0);
  tick.result = 99;
  EXPECT_TRUE(RaiseEvent(tick));
  EXPECT_EQ(tick.hasResult, 1);
  EXPECT_EQ(tick.result, 0);
}

TEST_F(RaiseEventTest, EventsWithoutHandlerRunNothing) {
  Unit(kLabel1Unit).bindings = {{-3, nullptr}, {-3, InvokeHandler<HandleOtherClose>}};
  for (EventRecord record : {MakeEventRecord(kStartupWindowId, kTimer1Id, -3),
                             MakeEventRecord(kStartupWindowId, kStartupWindowUnitId, 3),
                             MakeEventRecord(kStartupWindowId, kLabel1Id, -3)}) {
    EXPECT_FALSE(RaiseEvent(record)) << record.unitId << " event " << record.eventNumber;
    EXPECT_EQ(record.hasResult, 0);
  }
  EXPECT_TRUE(Calls().empty());
}

TEST_F(RaiseEventTest, TheFirstOfTwoBindingsForOneEventIsUsed) {
  Unit(kLabel1Unit).bindings = {{-3, InvokeHandler<HandleOtherClose>}, {-3, InvokeHandler<HandleCloseRequest>}};
  EventRecord record = MakeEventRecord(kStartupWindowId, kLabel1Id, -3, {1, 2, 3});
  EXPECT_TRUE(RaiseEvent(record));
  EXPECT_THAT(Calls(), ElementsAre(Call{"other", {1}}));
}

TEST_F(RaiseEventTest, BlockedEventsReachNoHandlerAndReportNothing) {
  Engine().eventBlockCount = 1;
  EventRecord known = MakeEventRecord(kStartupWindowId, kStartupWindowUnitId, -3, {1, 2, 0});
  EventRecord unknownWindow = MakeEventRecord(0x52010002, 0, 0);
  EXPECT_FALSE(RaiseEvent(known));
  EXPECT_FALSE(RaiseEvent(unknownWindow));
  EXPECT_TRUE(Calls().empty());
}

TEST_F(RaiseEventTest, LinkedUnitsOfTheSameKindLendTheirBindings) {
  const std::size_t label2 = 3, label3 = 2;
  Unit(label3).bindings = {{-3, InvokeHandler<HandleOtherClose>}};
  const struct {
    std::vector<std::pair<std::size_t, UnitId>> links;  // unit index, unit it links to
    const char* handler;
  } table[] = {
      {{{kLabel1Unit, kLabel2Id}, {label2, kLabel3Id}}, "other"},  // followed again from 标签2
      {{{kLabel1Unit, kTimer1Id}}, "close"},                      // another kind: its own bindings
      {{{kLabel1Unit, 0x1601FFFF}}, "close"},                     // no such unit
      {{{kLabel1Unit, kLabel2Id}, {label2, kLabel1Id}}, "close"},  // a cycle ends
  };
  for (const auto& row : table) {
    for (UnitRecord& unit : window_->units) unit.linkedUnit = 0;
    for (const auto& [index, target] : row.links) Unit(index).linkedUnit = target;
    Calls().clear();
    EventRecord record = MakeEventRecord(kStartupWindowId, kLabel1Id, -3, {4, 4, 0});
    EXPECT_TRUE(RaiseEvent(record));
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].handler, row.handler);
  }
}

TEST_F(RaiseEventTest, KindsMarkedOnlyWithTheOtherEventBitRaiseEvents) {
  Engine().kinds[1].flags = kKindRaisesEventsAlt;
  EventRecord record = MakeEventRecord(kStartupWindowId, kLabel1Id, -3, {0, 0, 0});
  EXPECT_TRUE(RaiseEvent(record));
}

TEST_F(RaiseEventTest, AMissingWindowOrUnitIsFatal) {
  EXPECT_EXIT(
      {
        EventRecord record = MakeEventRecord(0x52010002, kStartupWindowUnitId, -3);
        RaiseEvent(record);
      },
      ExitedWithCode(255), HasSubstr("运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口\r\n"));
  EXPECT_EXIT(
      {
        EventRecord record = MakeEventRecord(kStartupWindowId, 0x1601FFFF, -3);
        RaiseEvent(record);
      },
      ExitedWithCode(255), HasSubstr("错误信息：未找到引发事件的窗口组件\r\n"));
}

TEST_F(RaiseEventTest, AUnitWhoseKindRaisesNoEventsIsFatal) {
  EXPECT_EXIT(
      {
        Engine().kinds[1].flags = kKindDragsWindow;
        EventRecord record = MakeEventRecord(kStartupWindowId, kLabel1Id, -3);
        RaiseEvent(record);
      },
      ExitedWithCode(255), HasSubstr("错误信息：引发事件的窗口组件无效\r\n"));
  EXPECT_EXIT(
      {
        Unit(kLabel1Unit).kind = 0x00019999;
        EventRecord record = MakeEventRecord(kStartupWindowId, kLabel1Id, -3);
        RaiseEvent(record);
      },
      ExitedWithCode(255), HasSubstr("错误信息：引发事件的窗口组件无效\r\n"));
}

std::int32_t Sum(std::int32_t a, std::int32_t b, std::int32_t c) { return a + 10 * b + 100 * c; }

TEST(HandlerAdapterTest, PassesArgumentsInOrderAndZeroForMissingOnes) {
  const std::int32_t arguments[5] = {1, 2, 3, 4, 5};
  EXPECT_EQ(InvokeHandler<Sum>(arguments, 3), 321);
  EXPECT_EQ(InvokeHandler<Sum>(arguments, 1), 1);
  Calls().clear();
  EXPECT_EQ(InvokeHandler<HandleCloseRequest>(arguments, 5), std::nullopt);
  EXPECT_THAT(Calls(), ElementsAre(Call{"close", {1, 2, 3}}));
}

}  // namespace
