#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "support/engine_fixture.h"
#include "ui/load_window_win32.h"
#include "ui/refresh_handlers_win32.h"
#include "ui/startup_description.h"

namespace {

constexpr int kWarmUpRefreshes = 100;
constexpr int kRefreshes = 100000;
// Far above any process's share of GDI handles, so a count by trial always meets the limit.
constexpr std::size_t kTrialCeiling = 1 << 20;
constexpr DWORD kMostHeaps = 64;

struct HeapUse {
  std::size_t blocks = 0;
  std::size_t bytes = 0;
};

// Blocks in use in one heap, as the heap itself lists them.
HeapUse InUse(HANDLE heap) {
  HeapUse use;
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry{};
  while (HeapWalk(heap, &entry)) {
    if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) == 0) continue;
    ++use.blocks;
    use.bytes += entry.cbData;
  }
  HeapUnlock(heap);
  return use;
}

// Every heap of the process, the C runtime's among them, not only the one the engine's
// texts come from.
HeapUse InUseInAllHeaps() {
  HANDLE heaps[kMostHeaps];
  const DWORD count = GetProcessHeaps(kMostHeaps, heaps);
  HeapUse total;
  for (DWORD i = 0; i < count && i < kMostHeaps; ++i) {
    const HeapUse use = InUse(heaps[i]);
    total.blocks += use.blocks;
    total.bytes += use.bytes;
  }
  return total;
}

// Wine answers 0 to every GetGuiResources question, so GDI objects are counted by trial:
// regions are made until the process's share of the handle table runs out. Fewer makeable
// objects means more held. The handles go into room made beforehand, so that the trial
// leaves the heaps as it found them.
class GdiRoom {
 public:
  GdiRoom() { made_.reserve(kTrialCeiling); }

  std::size_t Count() {
    while (made_.size() < kTrialCeiling) {
      HRGN region = CreateRectRgn(0, 0, 1, 1);
      if (region == nullptr) break;
      made_.push_back(region);
    }
    const std::size_t room = made_.size();
    for (HRGN region : made_) DeleteObject(region);
    made_.clear();
    return room;
  }

 private:
  std::vector<HRGN> made_;
};

class RefreshLeakTest : public EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    ASSERT_TRUE(LoadWindow(kStartupWindowId));
    Pump();
    label_ = NativeOf(kLabel1Id);
    ASSERT_NE(label_, nullptr);
  }

  // One refresh as the timer makes it, and the paint it asks for. Answers whether the
  // refresh marked the label for repainting and the paint then cleared the mark.
  bool RefreshAndPaint() {
    HandleRefreshTick();
    const bool marked = GetUpdateRect(label_, nullptr, FALSE) != FALSE;
    UpdateWindow(label_);
    return marked && GetUpdateRect(label_, nullptr, FALSE) == FALSE;
  }

  HWND label_ = nullptr;
};

TEST_F(RefreshLeakTest, HundredThousandRefreshesLeaveHeapsAndGdiObjectsWhereTheyWere) {
  GdiRoom gdi;
  for (int i = 0; i < kWarmUpRefreshes; ++i) ASSERT_TRUE(RefreshAndPaint());
  const std::size_t gdiBefore = gdi.Count();
  const HeapUse heapBefore = InUseInAllHeaps();

  int painted = 0;
  for (int i = 0; i < kRefreshes; ++i) painted += RefreshAndPaint() ? 1 : 0;

  const HeapUse heapAfter = InUseInAllHeaps();
  const std::size_t gdiAfter = gdi.Count();
  std::printf("refreshes painted: %d of %d\n", painted, kRefreshes);
  std::printf("heap blocks in use: %zu before, %zu after\n", heapBefore.blocks, heapAfter.blocks);
  std::printf("heap bytes in use: %zu before, %zu after\n", heapBefore.bytes, heapAfter.bytes);
  std::printf("GDI objects that could still be made: %zu before, %zu after\n", gdiBefore, gdiAfter);
  EXPECT_EQ(painted, kRefreshes);
  EXPECT_EQ(heapAfter.blocks, heapBefore.blocks);
  EXPECT_EQ(heapAfter.bytes, heapBefore.bytes);
  EXPECT_EQ(gdiAfter, gdiBefore);
}

}  // namespace
