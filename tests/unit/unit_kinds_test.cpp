#include <gtest/gtest.h>

#include "lifecycle/console_platform.h"
#include "lifecycle/window_engine.h"
#include "ui/unit_kinds.h"

namespace {

using enum PropertyType;

TEST(UnitKindsTest, KindsCarryTheirCodesFlagsAndOwnProperties) {
  const UnitKind window = MakeWindowKind();
  const UnitKind label = MakeLabelKind();
  const UnitKind timer = MakeTimerKind();
  EXPECT_EQ(window.code, 0x00010001u);
  EXPECT_STREQ(window.name, "window");
  EXPECT_EQ(window.flags, kKindRaisesEvents);
  EXPECT_EQ(label.code, 0x0001000Au);
  EXPECT_STREQ(label.name, "Label");
  EXPECT_EQ(label.flags, kKindRaisesEvents | kKindDragsWindow);
  EXPECT_EQ(timer.code, 0x00010020u);
  EXPECT_STREQ(timer.name, "Timer");
  EXPECT_EQ(timer.flags, kKindRaisesEvents | kKindNeverShown);

  // Spots where a shifted table would show: first, last and the odd ones out.
  ASSERT_EQ(window.ownProperties.size(), 24u);
  const struct {
    std::size_t number;
    PropertyType type;
  } windowTypes[] = {{8, Text}, {9, Choice}, {10, Colour}, {11, Bytes}, {15, Boolean},
                     {24, FileName}, {25, Integer}, {28, Choice}, {31, Text}};
  for (const auto& row : windowTypes) EXPECT_EQ(window.ownProperties[row.number - 8], row.type) << row.number;

  ASSERT_EQ(label.ownProperties.size(), 21u);
  const struct {
    std::size_t number;
    PropertyType type;
  } labelTypes[] = {{8, Text}, {11, Integer}, {14, Colour}, {15, Font}, {18, Bytes}, {23, Colour}, {28, Text}};
  for (const auto& row : labelTypes) EXPECT_EQ(label.ownProperties[row.number - 8], row.type) << row.number;

  EXPECT_EQ(timer.ownProperties, std::vector<PropertyType>{Integer});
  // Every kind raises events through the bit the dispatch looks for.
  for (const UnitKind& kind : {window, label, timer}) EXPECT_NE(kind.flags & 0x40u, 0u) << kind.name;
}

TEST(UnitKindsTest, FindsOnlyRegisteredKinds) {
  ResetEngine(std::make_unique<ConsolePlatform>());
  EXPECT_EQ(FindUnitKind(kLabelKindCode), nullptr);
  Engine().kinds = {MakeWindowKind(), MakeLabelKind()};
  ASSERT_NE(FindUnitKind(kLabelKindCode), nullptr);
  EXPECT_STREQ(FindUnitKind(kLabelKindCode)->name, "Label");
  EXPECT_EQ(FindUnitKind(kTimerKindCode), nullptr);
}

}  // namespace
