#include <gtest/gtest.h>

#include "block_bytes.h"
#include "ui/font_record.h"

namespace {

FontRecord Sample() {
  FontRecord font;
  font.height = -37;
  font.width = 5;
  font.escapement = 900;
  font.orientation = 450;
  font.weight = 700;
  font.italic = 255;
  font.underline = 1;
  font.strikeOut = 1;
  font.charSet = 134;
  font.outPrecision = 3;
  font.clipPrecision = 2;
  font.quality = 1;
  font.pitchAndFamily = 0x41;
  font.face = "方正准圆_GBK";
  return font;
}

TEST(FontRecordTest, LaysOutTheRecordAndReadsItBack) {
  const auto bytes = WriteFontRecord(Sample());
  ASSERT_EQ(bytes.size(), kFontRecordSize);
  EXPECT_EQ(Int32At(bytes, 0), -37);
  EXPECT_EQ(Int32At(bytes, 8), 900);
  EXPECT_EQ(Int32At(bytes, 16), 700);
  const std::vector<std::uint8_t> flags(bytes.begin() + 20, bytes.begin() + 28);
  EXPECT_EQ(flags, (std::vector<std::uint8_t>{255, 1, 1, 134, 3, 2, 1, 0x41}));
  const std::string face = Sample().face;
  EXPECT_EQ(std::string(bytes.begin() + 28, bytes.begin() + 28 + static_cast<std::ptrdiff_t>(face.size())), face);
  EXPECT_EQ(bytes[28 + face.size()], 0);
  EXPECT_EQ(ReadFontRecord(bytes), Sample());
}

TEST(FontRecordTest, KeepsAtMostThirtyOneFaceBytes) {
  FontRecord font;
  font.face = std::string(40, 'x');
  const auto bytes = WriteFontRecord(font);
  ASSERT_EQ(bytes.size(), kFontRecordSize);
  EXPECT_EQ(bytes.back(), 0);
  EXPECT_EQ(ReadFontRecord(bytes)->face, std::string(31, 'x'));
}

TEST(FontRecordTest, OnlyExactlySixtyBytesAreARecord) {
  auto bytes = WriteFontRecord(Sample());
  bytes.push_back(0);
  EXPECT_FALSE(ReadFontRecord(bytes).has_value());
  bytes.resize(59);
  EXPECT_FALSE(ReadFontRecord(bytes).has_value());
}

TEST(FontRecordTest, CreationReplacesTheFiveStoredBytesOnly) {
  FontRecord expected = Sample();
  expected.charSet = 1;
  expected.outPrecision = 0;
  expected.clipPrecision = 0;
  expected.quality = 2;
  expected.pitchAndFamily = 0;
  EXPECT_EQ(ForFontCreation(Sample()), expected);
}

}  // namespace
