#include <gtest/gtest.h>

#include "block_bytes.h"
#include "ui/description_block.h"
#include "ui/startup_description.h"

namespace {

std::optional<std::vector<StoredWindow>> Read(const std::vector<std::uint8_t>& block) {
  return ReadDescriptionBlock(block.data(), block.size());
}

// Two windows, the second with a unit that uses every field, so that no field is left
// at a value a broken reader would produce anyway.
std::vector<StoredWindow> Sample() {
  auto windows = StartupDescription();
  StoredUnit unit;
  unit.record.id = 0x16000001;
  unit.record.kind = 7;
  unit.record.linkedUnit = 0x16000002;
  unit.record.name = "单元";
  unit.record.left = -1;
  unit.record.top = 2;
  unit.record.width = 3;
  unit.record.height = 4;
  unit.record.parent = 0x16000003;
  unit.record.children = {0x16000004, 0, 0x16000005};
  unit.record.mousePointer = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  unit.record.tag = "tag";
  unit.record.disabled = true;
  unit.record.tabStop = true;
  unit.record.tabOrder = -9;
  unit.bindings = {{-12, -1}, {-12, 7}};
  unit.record.settings = {0};
  windows.push_back({0x52020002, {unit}});
  return windows;
}

TEST(DescriptionBlockTest, ReadsBackWhatWasWritten) {
  EXPECT_EQ(Read(WriteDescriptionBlock(Sample())), Sample());
  EXPECT_EQ(Read(WriteDescriptionBlock({})), std::vector<StoredWindow>{});
}

TEST(DescriptionBlockTest, RefusesCutOrOverlongBlocks) {
  auto block = WriteDescriptionBlock(Sample());
  for (std::size_t length = 0; length < block.size(); ++length) {
    EXPECT_FALSE(ReadDescriptionBlock(block.data(), length).has_value()) << "cut at " << length;
  }
  block.push_back(0);
  EXPECT_FALSE(Read(block).has_value());
}

TEST(DescriptionBlockTest, RefusesMalformedFields) {
  // Offsets in the block of the start-up window: the tag, the window count, the window's
  // id and unit count, then its first unit (the window's own, with an empty name).
  const struct {
    std::size_t offset;
    std::uint32_t value;
    const char* what;
  } table[] = {
      {0, 0x31445756, "format tag"},
      {4, 0xFFFFFFFF, "window count"},
      {12, 0, "window without units"},
      {12, 0x7FFFFFFF, "unit count"},
      {28, 0x7FFFFFFF, "name length"},
      {52, 0x40000000, "children count"},
      {56, 0x7FFFFFFF, "mouse pointer length"},
      {68, 8, "unknown flag"},
      {76, 0x20000000, "binding count"},
  };
  const auto block = WriteDescriptionBlock(StartupDescription());
  ASSERT_EQ(Int32At(block, 76), 2) << "the window's two bindings";
  for (const auto& row : table) {
    auto broken = block;
    PutInt32At(broken, row.offset, row.value);
    EXPECT_FALSE(Read(broken).has_value()) << row.what;
  }
}

// Any block the reader accepts describes itself completely: written again, it reads back
// the same. Under the sanitizers this also shows that no change of a byte leads the reader
// outside the block.
TEST(DescriptionBlockTest, AcceptedMutationsReadBackTheSame) {
  const auto block = WriteDescriptionBlock(Sample());
  int accepted = 0;
  for (std::size_t offset = 0; offset < block.size(); ++offset) {
    for (int value : {0x00, 0x01, 0x80, 0xFF}) {
      auto mutated = block;
      mutated[offset] = static_cast<std::uint8_t>(value);
      const auto read = Read(mutated);
      if (!read) continue;
      ++accepted;
      EXPECT_EQ(Read(WriteDescriptionBlock(*read)), read) << "byte " << offset << " := " << value;
    }
  }
  EXPECT_GT(accepted, 0);
}

}  // namespace
