#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "block_bytes.h"
#include "ui/font_record.h"
#include "ui/label_settings.h"
#include "ui/mouse_pointer.h"
#include "ui/startup_description.h"
#include "ui/timer_settings.h"
#include "ui/unit_kind.h"
#include "ui/window_settings.h"

namespace {

// The start-up window as the program stores it, read back through its block.
std::vector<StoredUnit> StoredUnits() {
  const auto& block = StartupDescriptionBlock();
  const auto windows = ReadDescriptionBlock(block.data(), block.size());
  if (!windows || windows->size() != 1 || windows->front().id != 0x52010001) return {};
  return windows->front().units;
}

TEST(StartupDescriptionTest, UnitsCarryTheirDescribedValuesInOrder) {
  using Bindings = std::vector<StoredBinding>;
  const struct {
    UnitId id;
    std::uint32_t kind;
    const char* name;
    std::int32_t left, top, width, height;
    bool visible;
    std::uint32_t cursor;
    Bindings bindings;
    std::size_t settingsSize;
  } table[] = {
      {0x06010000, kWindowKindCode, "", 50, 50, 350, 82, true, 32646, Bindings{{0, 0x32}, {-3, 0}}, 100},
      {0x16010062, kLabelKindCode, "标签4", 129, 62, 72, 16, true, 32646, Bindings{{-3, 0x88}}, 162},
      {0x1601004D, kLabelKindCode, "标签3", 257, 62, 86, 16, true, 32646, Bindings{{-3, 0x497}}, 162},
      {0x16010010, kLabelKindCode, "标签2", 5, 64, 62, 16, true, 32646, Bindings{{-3, 0x4c9}}, 157},
      {0x1601000E, kLabelKindCode, "标签1", 3, 8, 344, 48, true, 32646, Bindings{{-3, 0x56}}, 148},
      {0x1601000D, kTimerKindCode, "时钟1", 400, 16, 26, 26, false, 0, Bindings{{0, 0xba}}, 0},
  };
  const auto units = StoredUnits();
  ASSERT_EQ(units.size(), std::size(table));
  for (std::size_t i = 0; i < units.size(); ++i) {
    const UnitRecord& unit = units[i].record;
    const auto& row = table[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(unit.id, row.id);
    EXPECT_EQ(unit.kind, row.kind);
    EXPECT_EQ(unit.name, row.name);
    EXPECT_EQ((std::array{unit.left, unit.top, unit.width, unit.height}),
              (std::array{row.left, row.top, row.width, row.height}));
    EXPECT_EQ(unit.visible, row.visible);
    EXPECT_EQ(SystemCursorFor(unit.mousePointer), row.cursor);
    EXPECT_EQ(units[i].bindings, row.bindings);
    EXPECT_EQ(unit.settings.size(), row.settingsSize);
    EXPECT_EQ(unit.linkedUnit, 0u);
    EXPECT_EQ(unit.parent, 0u);
    EXPECT_TRUE(unit.children.empty());
    EXPECT_EQ(unit.tag, "");
    EXPECT_FALSE(unit.disabled);
    EXPECT_FALSE(unit.tabStop);
    EXPECT_EQ(unit.tabOrder, 0);
    EXPECT_TRUE(unit.bindings.empty()) << "handlers exist only once references are resolved";
  }
}

TEST(StartupDescriptionTest, WindowSettingsAreTheStartupColumn) {
  const auto units = StoredUnits();
  ASSERT_FALSE(units.empty());
  const auto& block = units[0].record.settings;
  // Field by field as stored: version, the nineteen scalars, then six empty texts and blocks.
  const std::int32_t stored[25] = {6, 0, 1, 0x00808080, 0, 1, 0, 1, 1, 0, 0, 0, 0,
                                   0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  ASSERT_EQ(block.size(), sizeof stored);
  for (std::size_t i = 0; i < std::size(stored); ++i) EXPECT_EQ(Int32At(block, 4 * i), stored[i]) << "field " << i + 1;

  const auto settings = ReadWindowSettings(block.data(), block.size());
  ASSERT_TRUE(settings.has_value());
  EXPECT_TRUE(settings->dragAnywhere && settings->showInTaskbar && settings->minimizeBox && settings->movable);
  EXPECT_FALSE(settings->controlBox || settings->escCloses || settings->maximizeBox);
  EXPECT_EQ(settings->backColor, 0x00808080u);
}

TEST(StartupDescriptionTest, LabelsCarryTheirCaptionsAndFonts) {
  const struct {
    std::size_t index;
    const char* caption;
    const char* face;
    std::int32_t height, weight;
    std::uint8_t italic, pitchAndFamily;
    std::int32_t hAlign;
  } table[] = {
      {4, "", "方正准圆_GBK", -37, 700, 0, 0x41, 1},
      {3, "BY:Quorix", "微软雅黑", -12, 400, 255, 0x22, 0},
      {2, "双击任意处关闭", "微软雅黑", -12, 400, 255, 0x22, 0},
      {1, "↑已开机时间↑", "微软雅黑", -12, 700, 0, 0x22, 0},
  };
  const auto units = StoredUnits();
  ASSERT_EQ(units.size(), 6u);
  for (const auto& row : table) {
    SCOPED_TRACE(row.index);
    const auto& block = units[row.index].record.settings;
    const auto settings = ReadLabelSettings(block.data(), block.size());
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->caption, row.caption);
    EXPECT_EQ(settings->hAlign, row.hAlign);
    EXPECT_EQ(settings->textColor, 0x000000u);
    EXPECT_EQ(settings->backColor, 0x808080u);
    EXPECT_EQ(Int32At(block, 0), 2);
    EXPECT_EQ(std::tuple(settings->textEffect, settings->borderStyle, settings->gradientBorderWidth,
                         settings->pictureMode, settings->gradientBackMode, settings->wordWrap, settings->vAlign),
              std::tuple(0, 0, 8, 1, 0, 0, 1));
    const std::array<std::uint32_t, 3> gradient = {0x808080, 0xFFFFFF, 0x808080};
    EXPECT_EQ(settings->gradientBorderColors, gradient);
    EXPECT_EQ(settings->gradientBackColors, gradient);
    EXPECT_TRUE(settings->picture.empty() && settings->dataSourceName.empty() && settings->dataColumnName.empty());

    const auto font = ReadFontRecord(settings->font);
    ASSERT_TRUE(font.has_value());
    FontRecord expected;
    expected.height = row.height;
    expected.weight = row.weight;
    expected.italic = row.italic;
    expected.charSet = 134;
    expected.outPrecision = 3;
    expected.clipPrecision = 2;
    expected.quality = 1;
    expected.pitchAndFamily = row.pitchAndFamily;
    expected.face = row.face;
    EXPECT_EQ(*font, expected);
  }
}

TEST(StartupDescriptionTest, TheTimerStartsStopped) {
  const auto units = StoredUnits();
  ASSERT_EQ(units.size(), 6u);
  const auto& block = units[5].record.settings;
  EXPECT_EQ(ReadTimerSettings(block.data(), block.size()), TimerSettings{0});
}

}  // namespace
