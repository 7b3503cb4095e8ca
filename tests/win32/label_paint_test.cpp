#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "lifecycle/window_engine.h"
#include "support/dib_canvas.h"
#include "support/quiet_platform.h"
#include "support/test_units.h"
#include "ui/clabel_unit_win32.h"
#include "ui/font_record.h"
#include "ui/label_properties.h"
#include "ui/label_settings.h"
#include "ui/standard_kinds_win32.h"

namespace {

constexpr UnitId kLabelId = 0x1601000E;
constexpr COLORREF kSentinel = RGB(0x12, 0xEE, 0x34);
constexpr COLORREF kGrey = 0x808080;
constexpr int kWidth = 344;
constexpr int kHeight = 48;

// 标签1 of the start-up window, with a caption of the kind the refresh writes.
LabelSettings UptimeLabel() {
  LabelSettings settings;
  settings.caption = "12天3时45分6秒";
  settings.font = WriteFontRecord({.height = -37, .weight = 700, .charSet = 134, .outPrecision = 3,
                                   .clipPrecision = 2, .quality = 1, .pitchAndFamily = 0x41, .face = "方正准圆_GBK"});
  settings.backColor = kGrey;
  settings.hAlign = 1;
  return settings;
}

struct InkBox {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  int count = 0;
};

InkBox DarkPixels(const DibCanvas& canvas) {
  InkBox box;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (!IsDark(canvas.Pixel(x, y))) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y), box.count + 1};
    }
  }
  return box;
}

class LabelPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine(std::make_unique<QuietPlatform>());
    RegisterTestWindow({ControlRecord(kLabelId, kLabelKindCode)});
    parent_ = MakeTestParent();
  }

  CLabelUnit* Make(const LabelSettings& settings, int width = kWidth, int height = kHeight) {
    return static_cast<CLabelUnit*>(MakeControl(parent_.Get(), kLabelId, WriteLabelSettings(settings), width, height));
  }

  // A fresh label of these settings painted whole into a canvas the label's size.
  std::unique_ptr<DibCanvas> Painted(const LabelSettings& settings, int width = kWidth, int height = kHeight) {
    CLabelUnit* label = Make(settings, width, height);
    auto canvas = std::make_unique<DibCanvas>(width, height, kSentinel);
    if (label == nullptr) return canvas;
    label->Paint(canvas->Dc(), {0, 0, width, height});
    DestroyWindow(label->Handle());
    return canvas;
  }

  OwnedWindow parent_;
};

TEST_F(LabelPaintTest, GreyBackgroundOverTheClientAreaAndDarkTextOnlyInsideIt) {
  LabelSettings settings = UptimeLabel();
  // Wider than the label: the caption must be cut off at its edges.
  settings.caption = "12345天23时59分59秒 12345天23时59分59秒";
  CLabelUnit* label = Make(settings);
  ASSERT_NE(label, nullptr);
  DibCanvas canvas(kWidth + 60, kHeight + 30, kSentinel);
  label->Paint(canvas.Dc(), {0, 0, canvas.Width(), canvas.Height()});

  int outsideTouched = 0, brighterThanGrey = 0, grey = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const COLORREF pixel = canvas.Pixel(x, y);
      if (x >= kWidth || y >= kHeight) {
        outsideTouched += pixel != kSentinel;
        continue;
      }
      brighterThanGrey += !IsGreyOrDarker(pixel);
      grey += pixel == kGrey;
    }
  }
  EXPECT_EQ(outsideTouched, 0);
  EXPECT_EQ(brighterThanGrey, 0);
  EXPECT_GT(grey, kWidth * kHeight / 2);
  const InkBox ink = DarkPixels(canvas);
  EXPECT_GT(ink.count, 50);
  EXPECT_LT(ink.right, kWidth);
  EXPECT_LT(ink.bottom, kHeight);
}

TEST_F(LabelPaintTest, CaptionIsCentredBothWays) {
  LabelSettings settings = UptimeLabel();
  settings.caption = "88天88秒";
  const InkBox centred = DarkPixels(*Painted(settings));
  settings.hAlign = 0;
  settings.vAlign = 0;
  const InkBox topLeft = DarkPixels(*Painted(settings));
  settings.hAlign = 2;
  settings.vAlign = 2;
  const InkBox bottomRight = DarkPixels(*Painted(settings));
  ASSERT_GT(centred.count, 0);
  // Same ink, moved: the centred text lies halfway between the two corners' placements.
  EXPECT_EQ(centred.count, topLeft.count);
  EXPECT_LT(topLeft.left, centred.left);
  EXPECT_LT(topLeft.top, centred.top);
  EXPECT_NEAR(centred.left, (topLeft.left + bottomRight.left) / 2, 1);
  EXPECT_NEAR(centred.top, (topLeft.top + bottomRight.top) / 2, 1);
}

TEST_F(LabelPaintTest, NothingOutsideTheUpdateAreaIsTouched) {
  const auto whole = Painted(UptimeLabel());
  CLabelUnit* label = Make(UptimeLabel());
  ASSERT_NE(label, nullptr);
  DibCanvas canvas(kWidth, kHeight, kSentinel);
  const RECT update{100, 10, 220, 40};
  label->Paint(canvas.Dc(), update);

  int wrong = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const POINT point{x, y};
      const COLORREF expected = PtInRect(&update, point) ? whole->Pixel(x, y) : kSentinel;
      wrong += canvas.Pixel(x, y) != expected;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(DarkPixels(canvas).count, 0) << "the update area should hold part of the caption";
}

TEST_F(LabelPaintTest, EmptyCaptionPaintsOnlyTheBackground) {
  LabelSettings settings = UptimeLabel();
  settings.caption.clear();
  settings.textEffect = 1;  // no white copy either
  const auto canvas = Painted(settings);
  for (const COLORREF pixel : canvas->Pixels()) ASSERT_EQ(pixel, kGrey);
}

TEST_F(LabelPaintTest, FontRecordsOfOtherLengthsGiveTheDefaultGuiFont) {
  LabelSettings settings = UptimeLabel();
  settings.caption = "BY:Quorix 88";
  settings.hAlign = 0;
  // The default GUI font drawn directly, with the label's flags for these settings.
  DibCanvas reference(kWidth, kHeight, kGrey);
  {
    const SelectedObject font(reference.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(reference.Dc(), TRANSPARENT);
    RECT area{0, 0, kWidth, kHeight};
    DrawTextA(reference.Dc(), settings.caption.c_str(), -1, &area, 0x124);
  }
  const std::vector<std::uint8_t> record = settings.font;
  ASSERT_EQ(record.size(), 60u);
  for (const std::size_t length : {std::size_t{59}, std::size_t{61}, std::size_t{0}}) {
    SCOPED_TRACE(length);
    settings.font = record;
    settings.font.resize(length);
    EXPECT_EQ(Painted(settings)->Pixels(), reference.Pixels());
  }
  settings.font = record;
  EXPECT_NE(Painted(settings)->Pixels(), reference.Pixels());
}

TEST_F(LabelPaintTest, TextEffectsAddTheirCopies) {
  struct Row {
    std::int32_t effect;
    bool whiteCopy;
  };
  LabelSettings settings = UptimeLabel();
  const int plainInk = DarkPixels(*Painted(settings)).count;
  for (const Row row : {Row{1, true}, Row{2, true}, Row{3, false}}) {
    SCOPED_TRACE(row.effect);
    settings.textEffect = row.effect;
    const auto canvas = Painted(settings);
    int white = 0;
    for (const COLORREF pixel : canvas->Pixels()) white += pixel == RGB(255, 255, 255);
    EXPECT_EQ(white > 0, row.whiteCopy);
    // The black shadow of effect 3 adds ink beside the caption's own.
    if (row.effect == 3) {
      EXPECT_GT(DarkPixels(*canvas).count, plainInk);
    }
  }
}

TEST_F(LabelPaintTest, EmptyBlockGivesTheInitialLabel) {
  const std::vector<std::uint8_t> empty;
  auto* label = static_cast<CLabelUnit*>(MakeControl(parent_.Get(), kLabelId, empty, 80, 20));
  ASSERT_NE(label, nullptr);
  const HWND window = label->Handle();
  char text[16] = {};
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "标签");
  EXPECT_EQ(GetParent(window), parent_.Get());
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & (WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE),
            static_cast<DWORD>(WS_CHILD | WS_CLIPSIBLINGS));
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), 0);
  EXPECT_EQ(static_cast<UINT>(GetClassLongPtrA(window, GCL_STYLE)), static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)), GetStockObject(HOLLOW_BRUSH));

  DibCanvas canvas(80, 20, kSentinel);
  label->Paint(canvas.Dc(), {0, 0, 80, 20});
  EXPECT_EQ(canvas.Pixel(79, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_GT(DarkPixels(canvas).count, 0);
}

TEST_F(LabelPaintTest, UnreadableBlockCreatesNothing) {
  const std::vector<std::uint8_t> block = WriteLabelSettings(UptimeLabel());
  std::vector<std::uint8_t> version3 = block;
  version3[0] = 3;
  const std::vector<std::uint8_t> truncated(block.begin(), block.begin() + 40);
  for (const std::vector<std::uint8_t>& bad : {version3, truncated}) {
    EXPECT_EQ(MakeControl(parent_.Get(), kLabelId, bad, kWidth, kHeight), nullptr);
    EXPECT_EQ(GetWindow(parent_.Get(), GW_CHILD), nullptr);
  }
}

TEST_F(LabelPaintTest, BorderStyleSetsTheWindowFrame) {
  CLabelUnit* label = Make(UptimeLabel());
  ASSERT_NE(label, nullptr);
  struct Row {
    std::int32_t style;
    DWORD styleBits;
    DWORD exStyleBits;
  };
  for (const Row row : {Row{1, 0, WS_EX_CLIENTEDGE}, Row{4, 0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
                        Row{5, WS_BORDER, 0}, Row{3, 0, WS_EX_STATICEDGE}, Row{6, 0, 0}, Row{0, 0, 0}}) {
    SCOPED_TRACE(row.style);
    WriteLabelProperty(*label, label_property::kBorderStyle, {.integer = row.style});
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(label->Handle(), GWL_STYLE)) & WS_BORDER, row.styleBits);
    // The window system adds an edge of its own to a dialog frame; only the frame bits count.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(label->Handle(), GWL_EXSTYLE)) &
                  (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE),
              row.exStyleBits);
    // A window frame takes its room from the client area at once.
    RECT client;
    GetClientRect(label->Handle(), &client);
    EXPECT_EQ(client.right < kWidth, row.styleBits != 0 || row.exStyleBits != 0);
  }
}

TEST_F(LabelPaintTest, GradientHooksPaintOrFallBackToTheBackColour) {
  constexpr COLORREF kBack = RGB(0, 200, 0);
  LabelSettings settings;
  settings.caption.clear();
  settings.backColor = kBack;
  settings.gradientBackMode = 1;
  settings.gradientBackColors = {0x0000FF, 0xFF000000, 0xFF0000};
  auto canvas = Painted(settings, 40, 10);
  EXPECT_EQ(canvas->Pixel(0, 5), 0x0000FFu);
  EXPECT_EQ(canvas->Pixel(39, 5), 0xFF0000u);
  for (const COLORREF pixel : canvas->Pixels()) ASSERT_NE(pixel, kBack);

  // One usable colour is no gradient: the back colour fills instead.
  settings.gradientBackColors = {0x0000FF, 0xFF000000, 0xFF000000};
  canvas = Painted(settings, 40, 10);
  for (const COLORREF pixel : canvas->Pixels()) ASSERT_EQ(pixel, kBack);

  // The frame of style 6 is painted inside the client area, the background within it.
  settings.gradientBackMode = 0;
  settings.borderStyle = 6;
  settings.gradientBorderWidth = 5;
  settings.gradientBorderColors = {0x0000FF, 0xFF000000, 0xFF0000};
  canvas = Painted(settings, 40, 20);
  EXPECT_EQ(canvas->Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(canvas->Pixel(39, 19), 0x0000FFu);
  EXPECT_EQ(canvas->Pixel(4, 10), 0xFF0000u);
  EXPECT_EQ(canvas->Pixel(5, 10), kBack);
  EXPECT_EQ(canvas->Pixel(34, 14), kBack);
}

// A 2 by 2 picture, 24 bits, bottom-up: red, green on top; blue, white below.
std::vector<std::uint8_t> SmallBitmap() {
  std::vector<std::uint8_t> file(14 + 40 + 16, 0);
  auto put32 = [&file](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  file[26] = 1;
  file[28] = 24;
  const std::uint8_t rows[16] = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,   // blue, white (bottom row)
                                 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};        // red, green (top row)
  std::copy(std::begin(rows), std::end(rows), file.begin() + 54);
  return file;
}

TEST_F(LabelPaintTest, PictureHooksDrawByModeOrDropAnUndecodablePicture) {
  constexpr COLORREF kBack = RGB(0, 0, 0x40);
  LabelSettings settings;
  settings.caption.clear();
  settings.backColor = kBack;
  settings.picture = SmallBitmap();
  struct Row {
    std::int32_t mode;
    POINT red, backSample;
  };
  for (const Row row : {Row{0, {0, 0}, {2, 0}}, Row{1, {2, 2}, {-1, -1}}, Row{2, {4, 4}, {0, 0}}}) {
    SCOPED_TRACE(row.mode);
    settings.pictureMode = row.mode;
    const auto canvas = Painted(settings, 10, 10);
    EXPECT_EQ(canvas->Pixel(row.red.x, row.red.y), RGB(255, 0, 0));
    EXPECT_EQ(canvas->Pixel(row.red.x + 1, row.red.y + 1), RGB(255, 255, 255));
    if (row.backSample.x >= 0) {
      EXPECT_EQ(canvas->Pixel(row.backSample.x, row.backSample.y), kBack);
    }
  }

  settings.picture = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
  CLabelUnit* label = Make(settings, 10, 10);
  ASSERT_NE(label, nullptr);
  DibCanvas canvas(10, 10, kSentinel);
  label->Paint(canvas.Dc(), {0, 0, 10, 10});
  for (const COLORREF pixel : canvas.Pixels()) ASSERT_EQ(pixel, kBack);
  EXPECT_EQ(ReadLabelProperty(*label, label_property::kPicture).length, 0);
}

}  // namespace
