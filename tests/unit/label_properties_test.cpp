#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/label_properties.h"

namespace {

using namespace label_property;

PropertyValue Integer(std::int32_t value) { return {.integer = value}; }

struct IntegerWrite {
  std::int32_t number;
  std::int32_t LabelSettings::*field;
  std::int32_t written;
  std::int32_t stored;
};

TEST(LabelWriteTest, IntegerSettingsAreClampedToTheirRanges) {
  const IntegerWrite table[] = {
      {kTextEffect, &LabelSettings::textEffect, 7, 3},
      {kTextEffect, &LabelSettings::textEffect, -1, 0},
      {kTextEffect, &LabelSettings::textEffect, 2, 2},
      {kBorderStyle, &LabelSettings::borderStyle, 9, 6},
      {kBorderStyle, &LabelSettings::borderStyle, -3, 0},
      {kBorderStyle, &LabelSettings::borderStyle, 6, 6},
      {kGradientBorderWidth, &LabelSettings::gradientBorderWidth, 0, 5},
      {kGradientBorderWidth, &LabelSettings::gradientBorderWidth, 4, 5},
      {kGradientBorderWidth, &LabelSettings::gradientBorderWidth, 100000, 100000},
      {kPictureMode, &LabelSettings::pictureMode, 3, 2},
      {kPictureMode, &LabelSettings::pictureMode, -1, 0},
      {kGradientBackMode, &LabelSettings::gradientBackMode, 9, 8},
      {kGradientBackMode, &LabelSettings::gradientBackMode, -8, 0},
      {kGradientBackMode, &LabelSettings::gradientBackMode, 5, 5},
      {kHAlign, &LabelSettings::hAlign, -1, 0},
      {kHAlign, &LabelSettings::hAlign, 3, 2},
      {kHAlign, &LabelSettings::hAlign, 1, 1},
      {kVAlign, &LabelSettings::vAlign, 5, 2},
      {kVAlign, &LabelSettings::vAlign, -2, 0},
      {kWordWrap, &LabelSettings::wordWrap, -7, -7},
      {kWordWrap, &LabelSettings::wordWrap, 12345, 12345},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << "number " << row.number << " written " << row.written);
    LabelSettings settings;
    ApplyLabelWrite(settings, row.number, Integer(row.written));
    EXPECT_EQ(settings.*row.field, row.stored);
    EXPECT_EQ(LabelSettingValue(settings, row.number).integer, row.stored);
  }
}

struct ColourSlotCase {
  std::int32_t number;
  std::uint32_t (*stored)(const LabelSettings&);
};

TEST(LabelWriteTest, ColoursAreStoredUnchangedInTheirOwnSlot) {
  const ColourSlotCase table[] = {
      {4, [](const LabelSettings& s) { return s.gradientBorderColors[0]; }},
      {5, [](const LabelSettings& s) { return s.gradientBorderColors[1]; }},
      {6, [](const LabelSettings& s) { return s.gradientBorderColors[2]; }},
      {kTextColor, [](const LabelSettings& s) { return s.textColor; }},
      {kBackColor, [](const LabelSettings& s) { return s.backColor; }},
      {13, [](const LabelSettings& s) { return s.gradientBackColors[0]; }},
      {14, [](const LabelSettings& s) { return s.gradientBackColors[1]; }},
      {15, [](const LabelSettings& s) { return s.gradientBackColors[2]; }},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << "number " << row.number);
    LabelSettings settings;
    const LabelSettings before = settings;
    // 0xFF000000 (button face / empty slot) and out-of-range high bits pass unchanged.
    for (const std::uint32_t colour : {0xFF000000u, 0x12345678u, 0x00000000u}) {
      const auto effects = ApplyLabelWrite(settings, row.number, Integer(static_cast<std::int32_t>(colour)));
      EXPECT_EQ(row.stored(settings), colour);
      EXPECT_EQ(static_cast<std::uint32_t>(LabelSettingValue(settings, row.number).integer), colour);
      EXPECT_FALSE(effects.captionChanged || effects.frameChanged || effects.pictureChanged ||
                   effects.dataSourceChanged);
    }
    // No other colour slot moved.
    for (const auto& other : table) {
      if (other.number != row.number) {
        EXPECT_EQ(other.stored(settings), other.stored(before));
      }
    }
  }
}

TEST(LabelWriteTest, TextsAreCopiedAndNullIsEmpty) {
  LabelSettings settings;
  std::string buffer = "1天2时3分4秒";
  ApplyLabelWrite(settings, kCaption, {.text = buffer.c_str()});
  buffer.assign(buffer.size(), 'x');  // the writer may reuse or free its text at once
  EXPECT_EQ(settings.caption, "1天2时3分4秒");
  EXPECT_STREQ(LabelSettingValue(settings, kCaption).text, "1天2时3分4秒");

  ApplyLabelWrite(settings, kCaption, {});
  EXPECT_EQ(settings.caption, "");
  ASSERT_NE(LabelSettingValue(settings, kCaption).text, nullptr);

  ApplyLabelWrite(settings, kDataSourceName, {.text = "源"});
  ApplyLabelWrite(settings, kDataColumnName, {.text = "列"});
  EXPECT_EQ(settings.dataSourceName, "源");
  EXPECT_STREQ(LabelSettingValue(settings, kDataColumnName).text, "列");
  ApplyLabelWrite(settings, kDataSourceName, {});
  EXPECT_EQ(settings.dataSourceName, "");
}

TEST(LabelWriteTest, OnlyADifferentCaptionAsksForTheWindowTextAgain) {
  LabelSettings settings;
  EXPECT_TRUE(ApplyLabelWrite(settings, kCaption, {.text = "0天0时0分1秒"}).captionChanged);
  EXPECT_FALSE(ApplyLabelWrite(settings, kCaption, {.text = "0天0时0分1秒"}).captionChanged);
  EXPECT_TRUE(ApplyLabelWrite(settings, kCaption, {.text = "0天0时0分2秒"}).captionChanged);
  EXPECT_TRUE(ApplyLabelWrite(settings, kCaption, {}).captionChanged);
  EXPECT_FALSE(ApplyLabelWrite(settings, kCaption, {.text = ""}).captionChanged) << "null and empty are the same text";
}

TEST(LabelWriteTest, ByteSettingsKeepAnyLengthAndNoneIsEmpty) {
  const std::vector<std::uint8_t> record(61, 0x5A);
  for (const std::int32_t number : {kFont, kPicture}) {
    SCOPED_TRACE(number);
    LabelSettings settings;
    ApplyLabelWrite(settings, number, {.bytes = record.data(), .length = 61});
    const PropertyValue read = LabelSettingValue(settings, number);
    ASSERT_EQ(read.length, 61);
    EXPECT_EQ(std::memcmp(read.bytes, record.data(), record.size()), 0);
    EXPECT_NE(read.bytes, record.data());

    ApplyLabelWrite(settings, number, {.bytes = record.data(), .length = -4});
    EXPECT_EQ(LabelSettingValue(settings, number).length, 0);
    ApplyLabelWrite(settings, number, {.bytes = record.data(), .length = 3});
    ApplyLabelWrite(settings, number, {.bytes = nullptr, .length = 3});
    EXPECT_EQ(LabelSettingValue(settings, number).length, 0);
  }
}

TEST(LabelWriteTest, WritesReportWhatTheControlMustRedo) {
  struct Row {
    std::int32_t number;
    bool caption, frame, picture, dataSource;
  };
  const Row table[] = {
      {kCaption, true, false, false, false},        {kBorderStyle, false, true, false, false},
      {kPicture, false, false, true, false},        {kDataSourceName, false, false, false, true},
      {kDataColumnName, false, false, false, true}, {kFont, false, false, false, false},
      {kTextEffect, false, false, false, false},    {kHAlign, false, false, false, false},
      {kCount, false, false, false, false},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.number);
    LabelSettings settings;
    const LabelWriteEffects effects = ApplyLabelWrite(settings, row.number, Integer(1));
    EXPECT_EQ(effects.captionChanged, row.caption);
    EXPECT_EQ(effects.frameChanged, row.frame);
    EXPECT_EQ(effects.pictureChanged, row.picture);
    EXPECT_EQ(effects.dataSourceChanged, row.dataSource);
  }
}

TEST(LabelWriteTest, NumbersOutsideTheLabelChangeNothing) {
  for (const std::int32_t number : {-1, kCount, 100}) {
    LabelSettings settings;
    ApplyLabelWrite(settings, number, {.integer = 2, .text = "x"});
    EXPECT_EQ(settings.caption, "标签");
    EXPECT_EQ(settings.textEffect, 0);
    EXPECT_EQ(settings.hAlign, 0);
    const PropertyValue read = LabelSettingValue(settings, number);
    EXPECT_EQ(read.integer, 0);
    EXPECT_EQ(read.text, nullptr);
    EXPECT_EQ(read.bytes, nullptr);
  }
}

}  // namespace
