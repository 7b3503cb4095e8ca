#include <gtest/gtest.h>

#include <vector>

#include "ui/label_background.h"

namespace {

TEST(GradientColoursTest, EmptySlotsAreLeftOutInOrder) {
  EXPECT_EQ(UsableGradientColours({0x808080, 0xFFFFFF, 0x808080}),
            (std::vector<std::uint32_t>{0x808080, 0xFFFFFF, 0x808080}));
  EXPECT_EQ(UsableGradientColours({0xFF000000, 0x0000FF, 0x00FF00}), (std::vector<std::uint32_t>{0x0000FF, 0x00FF00}));
  EXPECT_EQ(UsableGradientColours({0x0000FF, 0xFF000000, 0xFF000000}), (std::vector<std::uint32_t>{0x0000FF}));
  // Only the exact empty value is empty; other high bits are a colour.
  EXPECT_EQ(UsableGradientColours({0xFE000000, 0xFF000000, 0x000000}).size(), 2u);
}

TEST(GradientColoursTest, ColourRunsThroughTheStopsAtEqualDistances) {
  const std::vector<std::uint32_t> stops{0x000000, 0xFFFFFF, 0x0000FF};
  EXPECT_EQ(GradientColourAt(stops, 0, 5), 0x000000u);
  EXPECT_EQ(GradientColourAt(stops, 1, 5), 0x808080u);
  EXPECT_EQ(GradientColourAt(stops, 2, 5), 0xFFFFFFu);
  EXPECT_EQ(GradientColourAt(stops, 3, 5), 0x8080FFu);
  EXPECT_EQ(GradientColourAt(stops, 4, 5), 0x0000FFu);
  // Channels move independently: red rises while blue falls.
  const std::vector<std::uint32_t> pair{0xFF0000, 0x0000FF};
  EXPECT_EQ(GradientColourAt(pair, 1, 3), 0x800080u);
  EXPECT_EQ(GradientColourAt(pair, 0, 1), 0xFF0000u);
}

struct TargetCase {
  std::int32_t mode;
  std::int32_t width, height;
  PixelRect target;
};

TEST(PictureTargetTest, ModesPlaceThePicture) {
  const PixelRect area{10, 20, 110, 70};  // 100 by 50
  const TargetCase table[] = {
      {0, 30, 20, {10, 20, 40, 40}},
      {0, 300, 200, {10, 20, 310, 220}},  // own size even when larger
      {2, 30, 20, {45, 35, 75, 55}},      // fits: centred in its own size
      {2, 100, 50, {10, 20, 110, 70}},
      {2, 200, 50, {10, 32, 110, 57}},   // too wide: scale 0.5 → 100 by 25
      {2, 20, 200, {57, 20, 62, 70}},    // too high: scale 1/4 → 5 by 50
      {2, 200, 75, {10, 26, 110, 63}},   // scale 1/2: 37.5 high truncated to 37, centred
      {2, 400, 30, {10, 41, 110, 48}},   // scale 1/4: 7.5 high truncated to 7
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << "mode " << row.mode << " " << row.width << "x" << row.height);
    EXPECT_EQ(PictureTarget(row.mode, area, row.width, row.height), row.target);
  }
}

}  // namespace
