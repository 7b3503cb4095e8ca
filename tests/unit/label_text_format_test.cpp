#include <gtest/gtest.h>

#include <vector>

#include "ui/label_text_format.h"

namespace {

struct FlagsCase {
  std::int32_t hAlign;
  std::int32_t wordWrap;
  std::int32_t vAlign;
  std::uint32_t flags;
};

TEST(LabelTextFlagsTest, AlignmentAndWrapGiveTheFlags) {
  const FlagsCase table[] = {
      {1, 0, 1, 0x125},  // 标签1: one line, centred both ways
      {0, 0, 1, 0x124},  // 标签2 to 标签4: one line, left, centred vertically
      {2, 0, 1, 0x126},  {0, 0, 0, 0x120}, {0, 0, 2, 0x128}, {1, 0, 2, 0x129},
      {0, 0, 7, 0x120},  {0, 0, -1, 0x120},
      {3, 0, 1, 0x124},  {-1, 0, 1, 0x124},
      // Wrapping ignores VAlign; only exactly 1 wraps.
      {0, 1, 2, 0x114},  {1, 1, 0, 0x115}, {2, 1, 1, 0x116},
      {0, 2, 2, 0x128},  {0, -1, 1, 0x124},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << "hAlign " << row.hAlign << " wordWrap " << row.wordWrap << " vAlign "
                                    << row.vAlign);
    LabelSettings settings;
    settings.hAlign = row.hAlign;
    settings.wordWrap = row.wordWrap;
    settings.vAlign = row.vAlign;
    const std::uint32_t flags = LabelTextFlags(settings);
    EXPECT_EQ(flags, row.flags);
    EXPECT_EQ(flags & 0x800u, 0u) << "mnemonic prefixes must stay on";
  }
}

TEST(LabelFrameTest, BorderStyleReplacesAnyEarlierFrame) {
  constexpr std::uint32_t kChild = 0x40000000, kClipSiblings = 0x04000000;
  const WindowStyle table[] = {
      {0, 0}, {0, 0x200}, {0, 0x1}, {0, 0x20000}, {0, 0x201}, {0x00800000, 0}, {0, 0},
  };
  // Start from every frame at once plus bits that must survive.
  const WindowStyle framed{kChild | kClipSiblings | 0x00800000, 0x8 | 0x200 | 0x1 | 0x20000};
  for (std::int32_t style = 0; style < 7; ++style) {
    SCOPED_TRACE(style);
    const WindowStyle result = WithLabelFrame(framed, style);
    EXPECT_EQ(result.style, kChild | kClipSiblings | table[style].style);
    EXPECT_EQ(result.exStyle, 0x8 | table[style].exStyle);
  }
  const WindowStyle plain{kChild, 0};
  EXPECT_EQ(WithLabelFrame(plain, 4).exStyle, 0x201u);
  EXPECT_EQ(WithLabelFrame(plain, 5).style, kChild | 0x00800000);
}

struct PassesCase {
  std::int32_t effect;
  std::vector<TextPass> passes;
};

TEST(LabelTextPassesTest, EffectCopyComesBeforeTheCaption) {
  constexpr std::uint32_t kText = 0x123456;
  const PassesCase table[] = {
      {0, {{0, 0, kText}}},
      {1, {{1, 1, 0xFFFFFF}, {0, 0, kText}}},
      {2, {{0, 0, 0xFFFFFF}, {1, 1, kText}}},
      {3, {{2, 2, 0x000000}, {0, 0, kText}}},
      {4, {{0, 0, kText}}},
      {-1, {{0, 0, kText}}},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.effect);
    EXPECT_EQ(LabelTextPasses(row.effect, kText), row.passes);
  }
}

}  // namespace
