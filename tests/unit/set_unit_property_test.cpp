#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "block_bytes.h"
#include "started_engine.h"
#include "ui/set_unit_property.h"
#include "ui/window_snapshot.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ExitedWithCode;
using ::testing::HasSubstr;

class SetUnitPropertyTest : public StartedEngineTest {};

TEST_F(SetUnitPropertyTest, OwnPropertiesReachTheKindConvertedByType) {
  const std::uint8_t picture[] = {1, 2, 3};
  const struct {
    std::size_t unit;
    std::int32_t number;
    PropertyValue value;
    std::int32_t integer;
    std::optional<std::string> text;
    std::vector<std::uint8_t> bytes;
  } table[] = {
      {kLabel1Unit, 8, {.text = nullptr}, 0, "", {}},                       // Caption: null is empty
      {kLabel1Unit, 8, {.text = "3天"}, 0, "3天", {}},
      {kLabel1Unit, 9, {.integer = -3}, -3, std::nullopt, {}},              // TextEffect: integer, unchanged
      {kWindowUnit, 9, {.integer = -3}, 0, std::nullopt, {}},               // WindowBorder: a choice
      {kWindowUnit, 9, {.integer = 5}, 5, std::nullopt, {}},
      {kWindowUnit, 15, {.integer = 7}, 1, std::nullopt, {}},               // ControlBox: boolean
      {kWindowUnit, 10, {.integer = -16777216}, -16777216, std::nullopt, {}},  // BackColor: colour
      {kWindowUnit, 24, {.text = nullptr}, 0, "", {}},                      // HelpFile: file name
      {kLabel1Unit, 15, {.bytes = nullptr, .length = 5}, 0, std::nullopt, {}},  // Font: none is empty
      {kLabel1Unit, 18, {.bytes = picture, .length = 3}, 0, std::nullopt, {1, 2, 3}},
      {kTimerUnit, 8, {.integer = 200}, 200, std::nullopt, {}},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.number);
    auto& writes = Live(row.unit).writes;
    writes.clear();
    SetUnitProperty(kStartupWindowId, Unit(row.unit).id, row.number, -1, row.value);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].number, row.number - 8);
    EXPECT_EQ(writes[0].integer, row.integer);
    EXPECT_EQ(writes[0].text, row.text);
    EXPECT_EQ(writes[0].bytes, row.bytes);
    EXPECT_EQ(writes[0].length, static_cast<std::int32_t>(row.bytes.size()));
  }
}

TEST_F(SetUnitPropertyTest, OwnPropertiesAreNotWrittenBackIntoTheDescription) {
  const UnitRecord before = Unit(kLabel1Unit);
  SetUnitProperty(kStartupWindowId, kLabel1Id, 8, -1, "1天2时3分4秒");
  EXPECT_EQ(Unit(kLabel1Unit), before);
}

struct RebuildSeen {
  std::vector<std::size_t> units;
  std::vector<std::int32_t> blockCounts;
};

RebuildSeen& Rebuilt() {
  static RebuildSeen seen;
  return seen;
}

void RecordRebuild(WindowRecord&, std::size_t unitIndex) {
  Rebuilt().units.push_back(unitIndex);
  Rebuilt().blockCounts.push_back(Engine().eventBlockCount);
}

TEST_F(SetUnitPropertyTest, RebuildsWithEventsBlockedOnlyWhenAskedAndStillOnScreen) {
  Engine().rebuildUnit = RecordRebuild;
  const struct {
    bool asks;
    bool losesWindow;
    bool rebuilt;
  } table[] = {{false, false, false}, {true, false, true}, {true, true, false}};
  for (const auto& row : table) {
    Rebuilt() = {};
    Live(kWindowUnit).native = &Live(kWindowUnit);
    Live(kWindowUnit).asksForRebuild = row.asks;
    Live(kWindowUnit).losesWindowOnWrite = row.losesWindow;
    SetUnitProperty(kStartupWindowId, kStartupWindowUnitId, 9, -1, 1);
    const bool rebuilt = !Rebuilt().units.empty();
    EXPECT_EQ(rebuilt, row.rebuilt);
    if (rebuilt) {
      EXPECT_THAT(Rebuilt().units, ElementsAre(kWindowUnit));
      EXPECT_THAT(Rebuilt().blockCounts, ElementsAre(1));
    }
    EXPECT_EQ(Engine().eventBlockCount, 0);
  }
}

TEST_F(SetUnitPropertyTest, PlaceAndSizeAreClampedStoredAndApplied) {
  const struct {
    std::int32_t number;
    std::int32_t written;
    std::array<std::int32_t, 4> place;  // of 标签1, described at 3, 8; 344 x 48
  } table[] = {
      {0, 40000, {32627, 8, 344, 48}}, {0, -40000, {-32627, 8, 344, 48}}, {1, 32627, {3, 32627, 344, 48}},
      {1, -32628, {3, -32627, 344, 48}}, {2, -5, {3, 8, 0, 48}},          {2, 40000, {3, 8, 32627, 48}},
      {3, 0, {3, 8, 344, 0}},            {3, 100, {3, 8, 344, 100}},
  };
  const UnitRecord described = Unit(kLabel1Unit);
  for (const auto& row : table) {
    SCOPED_TRACE(::testing::Message() << row.number << " := " << row.written);
    UnitRecord& label = Unit(kLabel1Unit);
    label = described;
    SetUnitProperty(kStartupWindowId, kLabel1Id, row.number, -1, row.written);
    EXPECT_EQ((std::array{label.left, label.top, label.width, label.height}), row.place);
    EXPECT_EQ(Live(kLabel1Unit).placed, row.place);
  }
}

TEST_F(SetUnitPropertyTest, CommonPropertiesOfAUnitThatIsNotLiveAreOnlyStored) {
  Unit(kLabel1Unit).liveObject = nullptr;
  SetUnitProperty(kStartupWindowId, kLabel1Id, 0, -1, 40000);
  SetUnitProperty(kStartupWindowId, kLabel1Id, 5, -1, 0);
  SetUnitProperty(kStartupWindowId, kLabel1Id, 7, -1, 3);
  EXPECT_EQ(Unit(kLabel1Unit).left, 32627);
  EXPECT_FALSE(Unit(kLabel1Unit).visible);
  EXPECT_EQ(Int32At(Unit(kLabel1Unit).mousePointer, 0), 32513);
  EXPECT_FALSE(Live(kLabel1Unit).placed || Live(kLabel1Unit).shown);
  EXPECT_TRUE(log_.cursorsLoaded.empty());
}

TEST_F(SetUnitPropertyTest, TagVisibleAndDisabled) {
  SetUnitProperty(kStartupWindowId, kLabel1Id, 4, -1, "备注");
  EXPECT_EQ(Unit(kLabel1Unit).tag, "备注");
  SetUnitProperty(kStartupWindowId, kLabel1Id, 4, -1, static_cast<const char*>(nullptr));
  EXPECT_EQ(Unit(kLabel1Unit).tag, "");

  SetUnitProperty(kStartupWindowId, kLabel1Id, 5, -1, 0);
  EXPECT_FALSE(Unit(kLabel1Unit).visible);
  EXPECT_EQ(Live(kLabel1Unit).shown, false);
  SetUnitProperty(kStartupWindowId, kTimer1Id, 5, -1, 1);
  EXPECT_TRUE(Unit(kTimerUnit).visible);
  EXPECT_EQ(Live(kTimerUnit).shown, false) << "a timer is never shown";

  SetUnitProperty(kStartupWindowId, kLabel1Id, 6, -1, 5);
  EXPECT_TRUE(Unit(kLabel1Unit).disabled);
  EXPECT_EQ(Live(kLabel1Unit).enabled, false);
  SetUnitProperty(kStartupWindowId, kLabel1Id, 6, -1, 0);
  EXPECT_EQ(Live(kLabel1Unit).enabled, true);
}

TEST_F(SetUnitPropertyTest, MousePointerReplacesTheUnitsCursor) {
  CursorHandle old = &log_;
  Unit(kLabel1Unit).cursor = old;
  SetUnitProperty(kStartupWindowId, kLabel1Id, 7, -1, 3);
  EXPECT_EQ(Int32At(Unit(kLabel1Unit).mousePointer, 0), 32513);
  EXPECT_THAT(log_.cursorsFreed, ElementsAre(old));
  EXPECT_THAT(log_.cursorsLoaded, ElementsAre(32513u));
  const CursorHandle loaded = Unit(kLabel1Unit).cursor;
  EXPECT_NE(loaded, nullptr);

  SetUnitProperty(kStartupWindowId, kLabel1Id, 7, -1, 0);
  EXPECT_EQ(Unit(kLabel1Unit).mousePointer, (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_THAT(log_.cursorsFreed, ElementsAre(old, loaded));
  EXPECT_EQ(log_.cursorsLoaded.size(), 1u) << "no cursor of its own";
  EXPECT_EQ(Unit(kLabel1Unit).cursor, nullptr);
}

TEST_F(SetUnitPropertyTest, AUnitTheWindowDoesNotHoldHasNoCommonPropertiesToChange) {
  const auto before = window_->units;
  SetUnitProperty(kStartupWindowId, 0x1601FFFF, 0, -1, 10);
  EXPECT_EQ(window_->units, before);
}

TEST_F(SetUnitPropertyTest, AWindowTheDescriptionDoesNotHoldIsFatal) {
  EXPECT_EXIT(SetUnitProperty(0x52010002, kLabel1Id, 0, -1, 1), ExitedWithCode(255),
              HasSubstr("错误信息：未载入欲访问窗口组件所在的窗口\r\n"));
}

TEST_F(SetUnitPropertyTest, OwnPropertiesOfAUnitWithoutLiveWindowAreFatal) {
  EXPECT_EXIT(
      {
        Live(kLabel1Unit).native = nullptr;
        SetUnitProperty(kStartupWindowId, kLabel1Id, 8, -1, "x");
      },
      ExitedWithCode(255), HasSubstr("错误信息：指定窗口尚未载入\r\n"));
  EXPECT_EXIT(SetUnitProperty(kStartupWindowId, 0x1601FFFF, 8, -1, "x"), ExitedWithCode(255),
              HasSubstr("错误信息：指定窗口尚未载入\r\n"));
}

TEST_F(SetUnitPropertyTest, AfterTheWindowIsGoneTheLabelsCaptionIsFatal) {
  SetUnitProperty(kStartupWindowId, kLabel1Id, 0, -1, 40000);
  SetUnitProperty(kStartupWindowId, kLabel1Id, 8, -1, "1秒");
  RestoreFromSnapshot(*window_);  // as the window's end does

  EXPECT_EQ(Unit(kLabel1Unit).left, 3) << "the described place is back";
  EXPECT_EQ(Unit(kLabel1Unit).liveObject, nullptr);
  EXPECT_TRUE(window_->snapshot.empty());
  EXPECT_EXIT(SetUnitProperty(kStartupWindowId, kLabel1Id, 8, -1, "2秒"), ExitedWithCode(255),
              HasSubstr("错误信息：指定窗口尚未载入\r\n"));
}

TEST(WindowSnapshotTest, RestoringWithoutSnapshotKeepsTheUnits) {
  WindowRecord window{kStartupWindowId, {UnitRecord{}}, {}};
  window.units[0].id = kStartupWindowUnitId;
  RestoreFromSnapshot(window);
  ASSERT_EQ(window.units.size(), 1u);
  EXPECT_EQ(window.units[0].id, kStartupWindowUnitId);
}

}  // namespace
