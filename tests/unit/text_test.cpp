#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "counting_heap.h"
#include "lifecycle/console_platform.h"
#include "lifecycle/window_engine.h"
#include "uptime/block.h"
#include "uptime/constant_block.h"
#include "uptime/text.h"

namespace {

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine(std::make_unique<ConsolePlatform>());
    Engine().heap = CountingHeap::Heap();
    Engine().constantBlock = {reinterpret_cast<const unsigned char*>(&kConstantBlock), kConstantBlockSize};
  }
};

TEST_F(TextTest, Int64ToTextAllocatesExactlyTheDigits) {
  const struct {
    std::int64_t value;
    const char* text;
  } table[] = {
      {0, "0"},
      {-5, "-5"},
      {1000, "1000"},
      {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
      {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
  };
  for (const auto& row : table) {
    char* text = Int64ToText(row.value);
    EXPECT_STREQ(text, row.text);
    EXPECT_EQ(CountingHeap::lastSize, std::strlen(row.text) + 1);
    FreeBlock(text);
  }
}

TEST_F(TextTest, TextLengthCountsBytesAndNullIsEmpty) {
  EXPECT_EQ(TextLength(nullptr), 0u);
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength("天"), 2u);
  EXPECT_EQ(TextLength("1天"), 3u);
}

TEST_F(TextTest, ConcatTextsTreatsNullAsEmptyAndAlwaysMakesANewBlock) {
  char* joined = ConcatTexts("12", static_cast<const char*>(nullptr), "", kConstantBlock.daysUnit, "3");
  EXPECT_STREQ(joined, "12天3");
  EXPECT_EQ(CountingHeap::lastSize, 6u);
  FreeBlock(joined);

  char* empty = ConcatTexts(static_cast<const char*>(nullptr), "");
  EXPECT_STREQ(empty, "");
  EXPECT_EQ(CountingHeap::lastSize, 1u);
  FreeBlock(empty);
  EXPECT_TRUE(CountingHeap::live.empty());
}

TEST_F(TextTest, ConcatTextsLeavesItsPartsAlone) {
  char* part = Int64ToText(7);
  char* joined = ConcatTexts(part, kConstantBlock.secondsUnit);
  EXPECT_STREQ(part, "7");
  EXPECT_EQ(CountingHeap::live.size(), 2u);
  FreeBlock(joined);
  FreeBlock(part);
}

TEST_F(TextTest, FreeBlockIgnoresNullAndTheConstantBlock) {
  FreeBlock(nullptr);
  FreeBlock(const_cast<char*>(kConstantBlock.daysUnit));
  FreeBlock(const_cast<char*>(kConstantBlock.secondsUnit));
  EXPECT_STREQ(kConstantBlock.daysUnit, "天");
  EXPECT_TRUE(CountingHeap::live.empty());
}

TEST_F(TextTest, RefusedAllocationIsFatalWithTheByteCount) {
  EXPECT_EXIT(
      {
        CountingHeap::refuse = true;
        Int64ToText(-12345);
      },
      ::testing::ExitedWithCode(255), ::testing::HasSubstr("错误信息：分配 7 字节内存失败!\r\n"));
}

}  // namespace
