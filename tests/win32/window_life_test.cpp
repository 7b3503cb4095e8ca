#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "lifecycle/close_request_win32.h"
#include "lifecycle/event_loop_win32.h"
#include "lifecycle/window_engine.h"
#include "support/engine_fixture.h"
#include "support/probe_control.h"
#include "ui/load_window_win32.h"
#include "ui/startup_description.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;


class WindowLifeTest : public EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    UseProbeControlsForLabelsAndTimers();
    ASSERT_TRUE(LoadWindow(kStartupWindowId));
    Pump();
    seen.clear();
  }

  static ProbeControl& Probe(UnitId unitId) { return *static_cast<ProbeControl*>(Unit(unitId).liveObject); }
};

TEST_F(WindowLifeTest, AHandedBackZeroClaimsTheInputMessage) {
  const struct {
    std::optional<std::int32_t> handBack;
    bool dispatched;
  } table[] = {{std::nullopt, true}, {1, true}, {0, false}};
  for (const auto& row : table) {
    Unit(kLabel3Id).bindings.clear();
    Bind<kLabel3Id, -4>(row.handBack);
    Probe(kLabel3Id).dispatched.clear();
    PostMessageA(NativeOf(kLabel3Id), WM_RBUTTONDOWN, 0, MAKELPARAM(7, 9));
    Pump();
    EXPECT_EQ(seen.back(), (SeenEvent{kLabel3Id, -4, {7, 9, 0}, true}));
    EXPECT_EQ(std::count(Probe(kLabel3Id).dispatched.begin(), Probe(kLabel3Id).dispatched.end(), WM_RBUTTONDOWN),
              row.dispatched ? 1 : 0);
  }
}

TEST_F(WindowLifeTest, DoubleClickClosesAfterTheMessageReachedItsTarget) {
  Engine().loopEntered = true;
  HWND label = NativeOf(kLabel3Id);
  PostMessageA(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4));
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, label, WM_LBUTTONDBLCLK, WM_LBUTTONDBLCLK, PM_REMOVE));
  ProcessMessage(message);

  EXPECT_TRUE(IsWindow(Form())) << "the window must outlive the message that asked to close it";
  EXPECT_THAT(Probe(kLabel3Id).dispatched, Contains(static_cast<UINT>(WM_LBUTTONDBLCLK)));

  Pump();
  std::int32_t code = -1;
  EXPECT_TRUE(TakeQuit(&code));
  EXPECT_EQ(code, 0);
  EXPECT_EQ(Form(), nullptr);
  for (const UnitRecord& unit : Startup().units) {
    EXPECT_EQ(unit.liveObject, nullptr);
    EXPECT_EQ(unit.cursor, nullptr);
  }
}

TEST_F(WindowLifeTest, DestroyedBeforeTheLoopStartsPostsNoQuit) {
  HandleCloseRequest(0, 0, 0);
  Pump();
  EXPECT_EQ(Form(), nullptr);
  EXPECT_FALSE(TakeQuit());
}

TEST_F(WindowLifeTest, CommonPropertiesComeBackAfterTheWindowIsGone) {
  Unit(kLabel1Id).left = 99;
  HandleCloseRequest(0, 0, 0);
  Pump();
  EXPECT_EQ(Unit(kLabel1Id).left, 3);
  EXPECT_TRUE(Startup().snapshot.empty());
}

TEST_F(WindowLifeTest, ACloseRequestAsksTwiceThenDestroys) {
  Bind<kStartupWindowUnitId, 12>();
  Bind<kStartupWindowUnitId, 1>();
  Bind<kStartupWindowUnitId, 2>();
  SendMessageA(Form(), WM_CLOSE, 0, 0);
  EXPECT_THAT(EventsOf(kStartupWindowUnitId), ElementsAre(12, 1, 2));
  EXPECT_EQ(Form(), nullptr);
}

TEST_F(WindowLifeTest, AHandedBackZeroKeepsTheWindowOpen) {
  for (std::int32_t question : {12, 1}) {
    Unit(kStartupWindowUnitId).bindings.clear();
    if (question == 12) Bind<kStartupWindowUnitId, 12>(0);
    if (question == 1) Bind<kStartupWindowUnitId, 1>(0);
    SendMessageA(Form(), WM_CLOSE, 0, 0);
    EXPECT_NE(Form(), nullptr) << "refused by event " << question;
  }
}

TEST_F(WindowLifeTest, EscapeDoesNothing) {
  PostMessageA(Form(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  Pump();
  EXPECT_NE(Form(), nullptr);
}

TEST_F(WindowLifeTest, APressOnALabelIsConsumedAndRaisesNothing) {
  Bind<kLabel3Id, -1>();
  Probe(kLabel3Id).dispatched.clear();
  PostMessageA(NativeOf(kLabel3Id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, NativeOf(kLabel3Id), WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
  ProcessMessage(message);
  EXPECT_THAT(Probe(kLabel3Id).dispatched, Not(Contains(static_cast<UINT>(WM_LBUTTONDOWN))));
  EXPECT_TRUE(EventsOf(kLabel3Id).empty());
  ASSERT_TRUE(PeekMessageA(&message, Form(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE))
      << "the press must turn into a caption press that moves the window";
  EXPECT_EQ(message.wParam, static_cast<WPARAM>(HTCAPTION));
}

TEST_F(WindowLifeTest, DoubleClickWithCtrlAndShiftCarriesKeysThree) {
  Bind<kLabel1Id, -3>();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(NativeOf(kLabel1Id), WM_LBUTTONDBLCLK, MK_LBUTTON | MK_CONTROL | MK_SHIFT, MAKELPARAM(10, 20));
  Pump();
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), (SeenEvent{kLabel1Id, -3, {10, 20, 3}, true}));
}

}  // namespace
