#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "lifecycle/window_engine.h"
#include "support/engine_fixture.h"
#include "support/probe_control.h"
#include "ui/load_window_win32.h"
#include "ui/startup_description.h"

namespace {

using ::testing::ElementsAre;


class LoadWindowTest : public EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    UseProbeControlsForLabelsAndTimers();
    ProbeControl::creations.clear();
    ProbeControl::failingUnit = 0;
  }
};

TEST_F(LoadWindowTest, ControlsAreMadeLastToFirstWithChildIdsFromOneHundred) {
  ASSERT_TRUE(LoadWindow(kStartupWindowId));
  std::vector<std::pair<UnitId, std::int32_t>> made;
  for (const auto& creation : ProbeControl::creations) made.emplace_back(creation.unitId, creation.childId);
  EXPECT_THAT(made, ElementsAre(std::pair{kTimer1Id, 100}, std::pair{kLabel1Id, 110}, std::pair{kLabel2Id, 120},
                                std::pair{kLabel3Id, 130}, std::pair{kLabel4Id, 140}));
  for (const auto& [unit, childId] : made) EXPECT_EQ(GetDlgCtrlID(NativeOf(unit)), childId);
}

TEST_F(LoadWindowTest, EarlierControlsLieAboveLaterOnes) {
  ASSERT_TRUE(LoadWindow(kStartupWindowId));
  std::vector<HWND> topToBottom;
  for (HWND child = GetWindow(Form(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    topToBottom.push_back(child);
  }
  EXPECT_THAT(topToBottom, ElementsAre(NativeOf(kLabel4Id), NativeOf(kLabel3Id), NativeOf(kLabel2Id), NativeOf(kLabel1Id),
                                       NativeOf(kTimer1Id)));
}

TEST_F(LoadWindowTest, LabelsAreShownWithoutActivationAndTheTimerStaysHidden) {
  ASSERT_TRUE(LoadWindow(kStartupWindowId));
  for (UnitId label : {kLabel1Id, kLabel2Id, kLabel3Id, kLabel4Id}) EXPECT_TRUE(IsWindowVisible(NativeOf(label)));
  EXPECT_FALSE(IsWindowVisible(NativeOf(kTimer1Id)));
  EXPECT_TRUE(IsWindowVisible(Form()));
}

TEST_F(LoadWindowTest, BorderlessCentredWindowWithTaskbarButton) {
  ASSERT_TRUE(LoadWindow(kStartupWindowId));
  const LONG_PTR style = GetWindowLongPtrA(Form(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(Form(), GWL_EXSTYLE);
  EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), WS_CLIPCHILDREN | WS_MINIMIZEBOX);
  EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_TOPMOST), 0);
  EXPECT_EQ(GetWindow(Form(), GW_OWNER), nullptr) << "an owned window would have no taskbar button";

  RECT outer;
  GetWindowRect(Form(), &outer);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(outer.left, (screenWidth - 350) / 2);
  EXPECT_EQ(outer.top, (screenHeight - 82) / 2);
  EXPECT_EQ(outer.right - outer.left, 350);
  EXPECT_EQ(outer.bottom - outer.top, 82);
  RECT client;
  GetClientRect(Form(), &client);
  EXPECT_EQ(client.right, 350);
  EXPECT_EQ(client.bottom, 82);
  EXPECT_EQ(GetWindowTextLengthA(Form()), 0);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Form(), WM_GETICON, ICON_BIG, 0)),
            LoadIconA(GetModuleHandleA(nullptr), "DEFAULT_ICON"));
}

TEST_F(LoadWindowTest, EventsAreBlockedWhileBuildingThenCreatedMovedResizedBeforeShowing) {
  Bind<kLabel1Id, -1>();
  Bind<kTimer1Id, -1>();
  Bind<kStartupWindowUnitId, 0>();
  Bind<kStartupWindowUnitId, 3>();
  Bind<kStartupWindowUnitId, 4>();
  Bind<kStartupWindowUnitId, 10>();
  ASSERT_TRUE(LoadWindow(kStartupWindowId));

  EXPECT_TRUE(EventsOf(kLabel1Id).empty()) << "controls raised events while the window was built";
  EXPECT_TRUE(EventsOf(kTimer1Id).empty());
  ASSERT_GE(seen.size(), 4u);
  EXPECT_EQ(seen[0], (SeenEvent{kStartupWindowUnitId, 0, {}, false}));
  EXPECT_EQ(seen[1], (SeenEvent{kStartupWindowUnitId, 3, {}, false}));
  EXPECT_EQ(seen[2], (SeenEvent{kStartupWindowUnitId, 4, {}, false}));
  EXPECT_EQ(seen[3].eventNumber, 10);
  EXPECT_EQ(Engine().eventBlockCount, 0);
}

TEST_F(LoadWindowTest, ShowingActivatesFirstTimeThenFocusesTheWindow) {
  Bind<kStartupWindowUnitId, 8>();
  Bind<kStartupWindowUnitId, 5>();
  Bind<kStartupWindowUnitId, -7>();
  ASSERT_TRUE(LoadWindow(kStartupWindowId));
  EXPECT_THAT(EventsOf(kStartupWindowUnitId), ElementsAre(8, 5, -7));
  EXPECT_TRUE(seen.back().windowVisible);

  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(Form());
  DestroyWindow(other);
  const auto events = EventsOf(kStartupWindowUnitId);
  EXPECT_EQ(std::count(events.begin(), events.end(), 5), 2);
  EXPECT_EQ(std::count(events.begin(), events.end(), 8), 1) << "the first activation is raised once only";
}

TEST_F(LoadWindowTest, MoveArrowOverTheWindowAndOverALabel) {
  ASSERT_TRUE(LoadWindow(kStartupWindowId));
  const HCURSOR moveArrow = LoadCursorA(nullptr, IDC_SIZEALL);
  for (HWND over : {Form(), NativeOf(kLabel3Id)}) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageA(over, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), moveArrow);
  }
}

TEST_F(LoadWindowTest, AFailingControlFailsTheLoadAndLeavesTheDescriptionAsItWas) {
  ProbeControl::failingUnit = kLabel2Id;
  EXPECT_FALSE(LoadWindow(kStartupWindowId));
  EXPECT_EQ(Form(), nullptr);
  for (const UnitRecord& unit : Startup().units) EXPECT_EQ(unit.liveObject, nullptr);
  EXPECT_TRUE(Startup().snapshot.empty());
  EXPECT_EQ(Engine().eventBlockCount, 0);
}

TEST_F(LoadWindowTest, AnUndescribedWindowDoesNotLoad) { EXPECT_FALSE(LoadWindow(0x52010002)); }

}  // namespace
