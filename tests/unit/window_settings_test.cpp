#include <gtest/gtest.h>

#include "block_bytes.h"
#include "ui/window_settings.h"

namespace {

// Every field away from its default, scalars numbered by their place in the block.
WindowSettings Numbered() {
  WindowSettings s;
  s.windowBorder = 2 + 100;
  s.pictureMode = 3 + 100;
  s.backColor = 4 + 100;
  s.maximizeBox = true;
  s.minimizeBox = false;
  s.controlBox = false;
  s.startPosition = 8 + 100;
  s.movable = false;
  s.musicMode = 10 + 100;
  s.enterMovesFocus = true;
  s.escCloses = false;
  s.f1OpensHelp = true;
  s.helpContext = 14 + 100;
  s.showInTaskbar = false;
  s.dragAnywhere = true;
  s.shape = 17 + 100;
  s.alwaysOnTop = true;
  s.keepTitleActive = true;
  s.className = "cls";
  s.picture = {1, 2};
  s.icon = {3};
  s.music = {4, 5, 6};
  s.title = "标题";
  s.helpFile = "h.chm";
  return s;
}

std::vector<std::uint8_t> Write(const WindowSettings& s) { return WriteWindowSettings(s); }
std::optional<WindowSettings> Read(const std::vector<std::uint8_t>& b) { return ReadWindowSettings(b.data(), b.size()); }

TEST(WindowSettingsTest, ScalarsStandInTableOrderAndReadBack) {
  const WindowSettings settings = Numbered();
  const auto block = Write(settings);
  const std::int32_t numbered[] = {2, 3, 4, 8, 10, 14, 17};
  for (std::int32_t field : numbered) EXPECT_EQ(Int32At(block, 4 * static_cast<std::size_t>(field - 1)), field + 100);
  const std::size_t flags[] = {5, 11, 13, 16, 18, 19};  // fields that are switched on
  for (std::size_t field : flags) EXPECT_EQ(Int32At(block, 4 * (field - 1)), 1) << "field " << field;
  EXPECT_EQ(Int32At(block, 0), 6);
  EXPECT_EQ(Int32At(block, 76), 3) << "class name follows the version 5 field";
  EXPECT_EQ(Read(block), settings);
}

TEST(WindowSettingsTest, LowerVersionsLeaveLaterFieldsAtTheirDefaults) {
  const WindowSettings defaults;
  const struct {
    std::int32_t version;
    std::size_t size;  // with empty texts and blocks
  } table[] = {{1, 76}, {2, 80}, {3, 88}, {4, 92}, {5, 96}, {6, 100}};
  for (const auto& row : table) {
    WindowSettings written = Numbered();
    written.version = row.version;
    WindowSettings scalarsOnly;
    scalarsOnly.version = row.version;
    EXPECT_EQ(Write(scalarsOnly).size(), row.size) << "version " << row.version;

    const auto read = Read(Write(written));
    ASSERT_TRUE(read.has_value()) << "version " << row.version;
    EXPECT_EQ(read->helpContext, written.helpContext);
    EXPECT_EQ(read->title, written.title);
    EXPECT_EQ(read->showInTaskbar, row.version >= 2 ? written.showInTaskbar : defaults.showInTaskbar);
    EXPECT_EQ(read->dragAnywhere, row.version >= 3 ? written.dragAnywhere : defaults.dragAnywhere);
    EXPECT_EQ(read->shape, row.version >= 3 ? written.shape : defaults.shape);
    EXPECT_EQ(read->alwaysOnTop, row.version >= 4 ? written.alwaysOnTop : defaults.alwaysOnTop);
    EXPECT_EQ(read->keepTitleActive, row.version >= 5 ? written.keepTitleActive : defaults.keepTitleActive);
    EXPECT_EQ(read->className, row.version >= 6 ? written.className : defaults.className);
  }
}

TEST(WindowSettingsTest, RefusesNewerVersionsAndCutBlocks) {
  WindowSettings newer;
  newer.version = 7;
  EXPECT_FALSE(Read(Write(newer)).has_value());

  const auto block = Write(Numbered());
  for (std::size_t length = 1; length < block.size(); ++length) {
    EXPECT_FALSE(ReadWindowSettings(block.data(), length).has_value()) << "cut at " << length;
  }
  EXPECT_EQ(ReadWindowSettings(block.data(), 0), WindowSettings{}) << "an empty block keeps the defaults";
}

TEST(WindowSettingsTest, TextsEndAtZeroAndNegativeCountsAreEmpty) {
  WindowSettings settings;
  settings.title = std::string("ab\0cd", 5);
  settings.helpFile = "help";
  auto block = Write(settings);
  const std::size_t picture = 80;  // the byte blocks follow the class name's count
  ASSERT_EQ(Int32At(block, picture), 0);
  PutInt32At(block, picture, 0xFFFFFFFD);  // -3
  const auto read = Read(block);
  ASSERT_TRUE(read.has_value());
  EXPECT_TRUE(read->picture.empty());
  EXPECT_EQ(read->title, "ab");
  EXPECT_EQ(read->helpFile, "help");
}

}  // namespace
