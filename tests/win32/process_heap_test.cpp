#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "lifecycle/window_engine.h"
#include "support/quiet_platform.h"
#include "uptime/block.h"
#include "uptime/uptime_text.h"

namespace {

TEST(ProcessHeapTest, TextsAreProcessHeapBlocksOfExactlyTheirSize) {
  ResetEngine(std::make_unique<QuietPlatform>());
  Engine().heap = Engine().platform->ProcessHeap();
  char* text = FormatUptime(123456789);
  EXPECT_STREQ(text, "1天10时17分36秒");
  EXPECT_EQ(HeapSize(GetProcessHeap(), 0, text), 16u);
  EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, text));
  FreeBlock(text);
}

TEST(ProcessHeapTest, RefusedBlockIsFatalWithItsSize) {
  ResetEngine(std::make_unique<QuietPlatform>());
  Engine().heap = Engine().platform->ProcessHeap();
  EXPECT_EXIT(AllocateBlock(std::size_t{1} << 60), ::testing::ExitedWithCode(-1),
              ::testing::HasSubstr("错误信息：分配 1152921504606846976 字节内存失败!"));
}

}  // namespace
