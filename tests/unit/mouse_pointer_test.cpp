#include <gtest/gtest.h>

#include "ui/mouse_pointer.h"

namespace {

TEST(MousePointerTest, BlocksStandForSystemCursors) {
  using Bytes = std::vector<std::uint8_t>;
  const struct {
    Bytes block;
    std::uint32_t cursor;
  } table[] = {
      {{}, 0},
      {{8}, 32646},                                   // a short block holds an 8-bit index
      {{3, 0x7F, 0}, 32513},                          // of which only the first byte counts
      {MousePointerBlock(14), 32649},
      {MousePointerBlock(32646), 32646},              // an identifier stands for itself
      {MousePointerBlock(32647), 0},
      {MousePointerBlock(0), 0},
      {MousePointerBlock(15), 0},
      {MousePointerBlock(0xFFFFFFFF), 0},             // a cursor image of its own
      {Bytes{2, 0, 0, 0, 9, 9, 9, 9, 9, 9}, 32515},  // ten bytes are still a plain value
      {Bytes{2, 0, 0, 0, 9, 9, 9, 9, 9, 9, 9}, 0},   // eleven carry an image
  };
  for (const auto& row : table) EXPECT_EQ(SystemCursorFor(row.block), row.cursor) << "block of " << row.block.size();
}

TEST(MousePointerTest, WrittenIndexesAreStoredAsIdentifiers) {
  EXPECT_EQ(StoredMousePointer(1), 32512u);
  EXPECT_EQ(StoredMousePointer(8), 32646u);
  EXPECT_EQ(StoredMousePointer(14), 32649u);
  EXPECT_EQ(StoredMousePointer(0), 0u);
  EXPECT_EQ(StoredMousePointer(32513), 32513u);
  EXPECT_EQ(MousePointerBlock(32646), (std::vector<std::uint8_t>{0x86, 0x7F, 0, 0}));
}

}  // namespace
