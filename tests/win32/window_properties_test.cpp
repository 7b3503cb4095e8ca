#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "lifecycle/window_engine.h"
#include "platform/handles.h"
#include "support/engine_fixture.h"
#include "support/probe_control.h"
#include "ui/load_window_win32.h"
#include "ui/set_unit_property.h"
#include "ui/startup_description.h"
#include "ui/unit_kinds.h"

namespace {

constexpr std::int32_t kWhole = -1;

class WindowPropertiesTest : public EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    ASSERT_TRUE(LoadWindow(kStartupWindowId));
    Pump();
  }

  static void Write(std::int32_t number, std::int32_t value) {
    SetUnitProperty(kStartupWindowId, kStartupWindowUnitId, number, kWhole, value);
  }
  static std::int32_t Read(std::int32_t number) {
    const UnitKind* kind = FindUnitKind(kWindowKindCode);
    return kind->readProperty(*Unit(kStartupWindowUnitId).liveObject, number - 8).integer;
  }
  static LONG_PTR Style() { return GetWindowLongPtrA(Form(), GWL_STYLE); }
};

TEST_F(WindowPropertiesTest, ChoicesAreClampedToTheirRanges) {
  const struct {
    std::int32_t number, written, stored;
  } table[] = {
      {9, 9, 6},  {9, -3, 0},  {12, 4, 3},  {14, 7, 2},
      {18, -1, 0}, {28, 35, 29}, {28, -2, 0},
  };
  for (const auto& row : table) {
    Write(row.number, row.written);
    EXPECT_EQ(Read(row.number), row.stored) << "property " << row.number << " written " << row.written;
  }
}

TEST_F(WindowPropertiesTest, BorderTitleAndBoxesRestyleTheLiveWindow) {
  Write(9, 1);
  EXPECT_EQ(Style() & (WS_THICKFRAME | WS_CAPTION | WS_SYSMENU), WS_THICKFRAME | WS_DLGFRAME)
      << "a frame without title or control box has no caption";
  SetUnitProperty(kStartupWindowId, kStartupWindowUnitId, 8, kWhole, "时间");
  EXPECT_EQ(Style() & WS_CAPTION, WS_CAPTION);
  Write(15, 1);
  EXPECT_EQ(Style() & WS_SYSMENU, WS_SYSMENU);
  Write(17, 0);
  EXPECT_EQ(Style() & WS_MINIMIZEBOX, 0);
  Write(9, 0);
  EXPECT_EQ(Style() & (WS_THICKFRAME | WS_CAPTION | WS_SYSMENU), 0) << "no border means no caption either";
  char title[16] = {};
  GetWindowTextA(Form(), title, sizeof title);
  EXPECT_STREQ(title, "时间");
}

TEST_F(WindowPropertiesTest, TopmostAndShapeApplyAtOnce) {
  Write(29, 1);
  EXPECT_NE(GetWindowLongPtrA(Form(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  Write(29, 0);
  EXPECT_EQ(GetWindowLongPtrA(Form(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  const OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  Write(28, 1);
  ASSERT_EQ(GetWindowRgn(Form(), region.Get()), COMPLEXREGION) << "an ellipse";
  EXPECT_FALSE(PtInRegion(region.Get(), 1, 1)) << "the corner lies outside the ellipse";
  EXPECT_TRUE(PtInRegion(region.Get(), 175, 41));
  Write(28, 0);
  EXPECT_EQ(GetWindowRgn(Form(), region.Get()), ERROR) << "shape 0 removes the region";
}

bool AlwaysRebuild(LiveUnit&, std::int32_t, const PropertyValue&) { return true; }

TEST_F(WindowPropertiesTest, AControlThatAsksIsRebuiltInItsPlaceWithEventsBlocked) {
  UseProbeControlsForLabelsAndTimers();
  for (UnitKind& kind : Engine().kinds) {
    if (kind.code == kLabelKindCode) kind.writeProperty = AlwaysRebuild;
  }
  Bind<kLabel3Id, -1>();
  HWND before = NativeOf(kLabel3Id);
  HWND above = GetWindow(before, GW_HWNDPREV);
  const CursorHandle cursor = Unit(kLabel3Id).cursor;

  SetUnitProperty(kStartupWindowId, kLabel3Id, 8, kWhole, "x");

  HWND after = NativeOf(kLabel3Id);
  ASSERT_NE(after, nullptr);
  EXPECT_NE(after, before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(GetDlgCtrlID(after), 130);
  EXPECT_EQ(GetWindow(after, GW_HWNDPREV), above);
  EXPECT_TRUE(IsWindowVisible(after));
  EXPECT_EQ(Unit(kLabel3Id).cursor, cursor);
  EXPECT_TRUE(EventsOf(kLabel3Id).empty()) << "the new control raised an event while it was made";
  EXPECT_EQ(Engine().eventBlockCount, 0);
}

}  // namespace
