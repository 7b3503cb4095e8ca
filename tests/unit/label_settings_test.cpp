#include <gtest/gtest.h>

#include "block_bytes.h"
#include "ui/label_settings.h"

namespace {

// Every fixed field numbered by its offset, so that the layout shows in the block.
LabelSettings Numbered() {
  LabelSettings s;
  s.textEffect = 4;
  s.gradientBorderWidth = 8;
  s.borderStyle = 12;
  s.gradientBorderColors = {16, 20, 24};
  s.textColor = 28;
  s.backColor = 32;
  s.pictureMode = 36;
  s.gradientBackMode = 40;
  s.gradientBackColors = {44, 48, 52};
  s.hAlign = 56;
  s.vAlign = 60;
  s.wordWrap = 64;
  s.font = std::vector<std::uint8_t>(60, 7);
  s.picture = {1, 2, 3};
  s.caption = "双击";
  s.dataSourceName = "src";
  s.dataColumnName = "column";
  return s;
}

std::optional<LabelSettings> Read(const std::vector<std::uint8_t>& b) { return ReadLabelSettings(b.data(), b.size()); }

TEST(LabelSettingsTest, FieldsStandAtTheirOffsetsAndReadBack) {
  const LabelSettings settings = Numbered();
  const auto block = WriteLabelSettings(settings);
  EXPECT_EQ(Int32At(block, 0), 2);
  for (std::size_t offset = 4; offset <= 64; offset += 4) EXPECT_EQ(Int32At(block, offset), offset);
  const std::size_t n = 60, m = 3, k = 4, p = 3;
  EXPECT_EQ(Int32At(block, 68), n);
  EXPECT_EQ(Int32At(block, 72 + n), m);
  EXPECT_EQ(Int32At(block, 76 + n + m), k);
  EXPECT_EQ(Int32At(block, 80 + n + m + k), p);
  EXPECT_EQ(Int32At(block, 84 + n + m + k + p), 6);
  EXPECT_EQ(block.size(), 88 + n + m + k + p + 6);
  EXPECT_EQ(Read(block), settings);
}

TEST(LabelSettingsTest, OlderVersionsHaveNoDataSourceTexts) {
  for (std::uint32_t version : {0u, 1u}) {
    auto block = WriteLabelSettings(Numbered());
    PutInt32At(block, 0, version);
    const auto read = Read(block);
    ASSERT_TRUE(read.has_value()) << "version " << version;
    EXPECT_EQ(read->caption, "双击");
    EXPECT_EQ(read->dataSourceName, "");
    EXPECT_EQ(read->dataColumnName, "");

    LabelSettings plain = Numbered();
    plain.dataSourceName.clear();
    plain.dataColumnName.clear();
    block = WriteLabelSettings(plain);
    block.resize(block.size() - 8);  // without the two counts
    PutInt32At(block, 0, version);
    EXPECT_EQ(Read(block), plain) << "version " << version;
  }
}

TEST(LabelSettingsTest, RefusesNewerVersionsAndBlocksThatEndEarly) {
  for (std::uint32_t version : {3u, 0xFFFFFFFFu}) {
    auto block = WriteLabelSettings(LabelSettings{});
    PutInt32At(block, 0, version);
    EXPECT_FALSE(Read(block).has_value()) << "version " << version;
  }
  const auto block = WriteLabelSettings(Numbered());
  for (std::size_t length = 1; length < block.size(); ++length) {
    EXPECT_FALSE(ReadLabelSettings(block.data(), length).has_value()) << "cut at " << length;
  }
  auto overlong = WriteLabelSettings(LabelSettings{});
  PutInt32At(overlong, 68, 61);  // a font count the block cannot hold
  EXPECT_FALSE(Read(overlong).has_value());
}

TEST(LabelSettingsTest, AnEmptyBlockKeepsTheInitialValues) {
  const auto read = ReadLabelSettings(nullptr, 0);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->caption, "标签");
  EXPECT_EQ(read->backColor, 0xFF000000u);
  EXPECT_EQ(*read, LabelSettings{});
}

}  // namespace
