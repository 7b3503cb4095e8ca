#include <gtest/gtest.h>

#include "lifecycle/input_event.h"

namespace {

constexpr UnitId kWindow = 0x52010001;
constexpr UnitId kUnit = 0x1601004D;

std::uint64_t WheelDistance(std::int16_t distance) {
  return static_cast<std::uint64_t>(static_cast<std::uint16_t>(distance)) << 16 | 0x0008;
}

TEST(InputEventTest, MessagesBecomeTheCommonEvents) {
  const struct {
    std::uint32_t message;
    std::uint64_t wParam;
    std::int64_t lParam;
    std::int32_t keys;
    std::int32_t number;
    std::vector<std::int32_t> arguments;
  } table[] = {
      {0x201, 0, 0x00100020, 1, -1, {32, 16, 1}},
      {0x202, 0, 0x00100020, 0, -2, {32, 16, 0}},
      {0x203, 0, static_cast<std::int64_t>(0xFFFFFFFF8001FFFEull), 3, -3, {65534, 32769, 3}},  // zero-extended
      {0x204, 0, 0x00050006, 4, -4, {6, 5, 4}},
      {0x205, 0, 0, 0, -5, {0, 0, 0}},
      {0x200, 0, 0x00010002, 2, -6, {2, 1, 2}},
      {0x100, 0x41, 0, 2, -9, {0x41, 2}},
      {0x104, 0x73, 0, 4, -9, {0x73, 4}},
      {0x101, 0x41, 0, 0, -10, {0x41, 0}},
      {0x105, 0x12, 0, 4, -10, {0x12, 4}},
      {0x102, 0x4E2D, 0, 7, -11, {0x4E2D}},
      {0x20A, WheelDistance(-120), 0, 1, -12, {-1, 1}},
      {0x20A, WheelDistance(240), 0, 0, -12, {2, 0}},
      {0x20A, WheelDistance(-119), 0, 0, -12, {0, 0}},  // truncated toward zero
      {0x20A, WheelDistance(32767), 0, 0, -12, {273, 0}},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.message);
    const auto record = MakeInputEvent(kWindow, kUnit, row.message, row.wParam, row.lParam, row.keys);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->windowId, kWindow);
    EXPECT_EQ(record->unitId, kUnit);
    EXPECT_EQ(record->eventNumber, row.number);
    EXPECT_EQ(std::vector<std::int32_t>(record->arguments, record->arguments + record->argumentCount), row.arguments);
    EXPECT_EQ(record->hasResult, 0);
  }
}

TEST(InputEventTest, OtherMessagesMakeNoEvent) {
  for (std::uint32_t message : {0x206u, 0x106u, 0x0Fu, 0x113u, 0x20Eu}) {
    EXPECT_FALSE(MakeInputEvent(kWindow, kUnit, message, 0, 0, 0).has_value()) << message;
  }
}

TEST(InputEventTest, KeysAreOneTwoFour) {
  EXPECT_EQ(KeysFromState(false, false, false), 0);
  EXPECT_EQ(KeysFromState(true, false, false), 1);
  EXPECT_EQ(KeysFromState(false, true, false), 2);
  EXPECT_EQ(KeysFromState(false, false, true), 4);
  EXPECT_EQ(KeysFromState(true, true, false), 3);
  EXPECT_EQ(KeysFromState(true, true, true), 7);
}

TEST(InputEventTest, AHandedBackZeroOrAVanishedWindowClaimsTheMessage) {
  const struct {
    std::int32_t number;
    bool called;
    std::int32_t hasResult, result;
    bool windowExists;
    bool claimed;
    std::optional<std::int32_t> character;
  } table[] = {
      {-1, true, 1, 0, true, true, std::nullopt},
      {-1, true, 0, 0, true, false, std::nullopt},  // nothing handed back never refuses
      {-1, true, 1, 5, true, false, std::nullopt},
      {-3, true, 0, 0, false, true, std::nullopt},
      {-6, false, 0, 0, false, true, std::nullopt},
      {-6, false, 0, 0, true, false, std::nullopt},
      {-11, true, 1, 0x41, true, false, 0x41},
      {-11, true, 1, 0, true, true, std::nullopt},
      {-11, true, 0, 0, true, false, std::nullopt},
      {-9, true, 1, 0x41, true, false, std::nullopt},  // only characters are replaced
  };
  for (const auto& row : table) {
    EventRecord raised;
    raised.eventNumber = row.number;
    raised.hasResult = row.hasResult;
    raised.result = row.result;
    const InputClaim claim = DecideInputClaim(raised, row.called, row.windowExists);
    EXPECT_EQ(claim.claimed, row.claimed) << row.number << " " << row.result;
    EXPECT_EQ(claim.character, row.character) << row.number << " " << row.result;
  }
}

}  // namespace
