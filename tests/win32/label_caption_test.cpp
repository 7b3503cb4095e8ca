#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "lifecycle/window_engine.h"
#include "support/quiet_platform.h"
#include "support/test_units.h"
#include "ui/clabel_unit_win32.h"
#include "ui/engine_messages.h"
#include "ui/label_properties.h"
#include "ui/label_settings.h"
#include "ui/standard_kinds_win32.h"

namespace {

constexpr UnitId kLabelId = 0x1601000E;

struct Notification {
  int calls = 0;
  std::vector<std::int32_t> arguments;
};
Notification notified;

HandlerResult RecordNotification(const std::int32_t* arguments, std::int32_t count) {
  ++notified.calls;
  notified.arguments.assign(arguments, arguments + count);
  return std::nullopt;
}

class LabelCaptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine(std::make_unique<QuietPlatform>());
    RegisterTestWindow({ControlRecord(kLabelId, kLabelKindCode, {{0, RecordNotification}})});
    notified = {};
    parent_ = MakeTestParent();
    LabelSettings settings;
    settings.caption.clear();
    label_ = static_cast<CLabelUnit*>(MakeControl(parent_.Get(), kLabelId, WriteLabelSettings(settings), 200, 30));
    ASSERT_NE(label_, nullptr);
    // Paint messages come only for shown windows.
    ShowWindow(parent_.Get(), SW_SHOWNA);
    label_->SetShown(true);
    LabelPaints();
  }

  void Write(const char* caption) { WriteLabelProperty(*label_, label_property::kCaption, {.text = caption}); }

  // Dispatches what is waiting and counts the paint messages that reach the label.
  int LabelPaints() {
    int paints = 0;
    MSG message;
    for (int i = 0; i < 1000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
      paints += message.message == WM_PAINT && message.hwnd == label_->Handle();
      DispatchMessageA(&message);
    }
    return paints;
  }

  bool WholeLabelAwaitsPaint() {
    RECT update, client;
    GetClientRect(label_->Handle(), &client);
    return GetUpdateRect(label_->Handle(), &update, FALSE) && EqualRect(&update, &client);
  }

  std::string WindowText() {
    char text[64] = {};
    GetWindowTextA(label_->Handle(), text, sizeof text);
    return text;
  }

  OwnedWindow parent_;
  CLabelUnit* label_ = nullptr;
};

TEST_F(LabelCaptionTest, SameCaptionWrittenTwiceRepaintsTwice) {
  for (int write = 1; write <= 2; ++write) {
    SCOPED_TRACE(write);
    Write("0天0时1分2秒");
    EXPECT_TRUE(WholeLabelAwaitsPaint());
    EXPECT_EQ(LabelPaints(), 1);
    EXPECT_EQ(WindowText(), "0天0时1分2秒");
  }
}

TEST_F(LabelCaptionTest, WritesBeforeAPaintGiveOnePaintOfTheLastText) {
  Write("1");
  Write(nullptr);
  std::string last = "0天0时0分3秒";
  Write(last.c_str());
  last.assign(last.size(), '#');  // the writer may reuse its text at once
  EXPECT_EQ(LabelPaints(), 1);
  EXPECT_EQ(WindowText(), "0天0时0分3秒");
  EXPECT_STREQ(ReadLabelProperty(*label_, label_property::kCaption).text, "0天0时0分3秒");
}

TEST_F(LabelCaptionTest, NullCaptionIsEmptyAndEveryWriteRepaints) {
  Write(nullptr);
  EXPECT_EQ(WindowText(), "");
  EXPECT_STREQ(ReadLabelProperty(*label_, label_property::kCaption).text, "");
  EXPECT_EQ(LabelPaints(), 1);
  WriteLabelProperty(*label_, label_property::kTextColor, {.integer = 0x0000FF});
  EXPECT_TRUE(WholeLabelAwaitsPaint());
  EXPECT_EQ(static_cast<std::uint32_t>(ReadLabelProperty(*label_, label_property::kTextColor).integer), 0x0000FFu);
}

TEST_F(LabelCaptionTest, NotificationRaisesEventZeroWithBothParameters) {
  SendMessageA(label_->Handle(), kLabelNotification, 7, -3);
  EXPECT_EQ(notified.calls, 1);
  EXPECT_EQ(notified.arguments, (std::vector<std::int32_t>{7, -3}));
}

TEST_F(LabelCaptionTest, DataSourceMessagesLeaveAnUnboundLabelAlone) {
  Write("x");
  SendMessageA(label_->Handle(), kDataSourceChanged, 0, 0);
  EXPECT_EQ(WindowText(), "x");
  EXPECT_EQ(SendMessageA(label_->Handle(), kBindingQuery, 0, 0), 0);
  WriteLabelProperty(*label_, label_property::kDataSourceName, {.text = "源"});
  EXPECT_NE(SendMessageA(label_->Handle(), kBindingQuery, 0, 0), 0);
  EXPECT_EQ(notified.calls, 0);
}

}  // namespace
