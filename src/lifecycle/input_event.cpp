#include "lifecycle/input_event.h"

namespace {

// The window system's message numbers; spelled out so that portable code needs no
// platform header.
constexpr std::uint32_t kKeyDown = 0x100;
constexpr std::uint32_t kKeyUp = 0x101;
constexpr std::uint32_t kChar = 0x102;
constexpr std::uint32_t kSysKeyDown = 0x104;
constexpr std::uint32_t kSysKeyUp = 0x105;
constexpr std::uint32_t kMouseMove = 0x200;
constexpr std::uint32_t kLeftButtonDown = 0x201;
constexpr std::uint32_t kLeftButtonUp = 0x202;
constexpr std::uint32_t kLeftButtonDoubleClick = 0x203;
constexpr std::uint32_t kRightButtonDown = 0x204;
constexpr std::uint32_t kRightButtonUp = 0x205;
constexpr std::uint32_t kMouseWheel = 0x20A;

constexpr std::int32_t kWheelDelta = 120;
constexpr std::int32_t kCharacterTyped = -11;

std::optional<std::int32_t> MouseEventNumber(std::uint32_t message) {
  switch (message) {
    case kLeftButtonDown: return -1;
    case kLeftButtonUp: return -2;
    case kLeftButtonDoubleClick: return -3;
    case kRightButtonDown: return -4;
    case kRightButtonUp: return -5;
    case kMouseMove: return -6;
    default: return std::nullopt;
  }
}

// A 16-bit field of a message parameter, zero-extended.
std::int32_t Word(std::uint64_t value, int shift) { return static_cast<std::int32_t>((value >> shift) & 0xFFFF); }

std::int32_t WheelNotches(std::uint64_t wParam) {
  const auto distance = static_cast<std::int16_t>(Word(wParam, 16));
  return distance / kWheelDelta;
}

}  // namespace

std::optional<EventRecord> MakeInputEvent(UnitId windowId, UnitId unitId, std::uint32_t message, std::uint64_t wParam,
                                          std::int64_t lParam, std::int32_t keys) {
  if (const auto number = MouseEventNumber(message)) {
    const auto position = static_cast<std::uint64_t>(lParam);
    return MakeEventRecord(windowId, unitId, *number, {Word(position, 0), Word(position, 16), keys});
  }
  const auto code = static_cast<std::int32_t>(wParam);
  switch (message) {
    case kKeyDown:
    case kSysKeyDown: return MakeEventRecord(windowId, unitId, -9, {code, keys});
    case kKeyUp:
    case kSysKeyUp: return MakeEventRecord(windowId, unitId, -10, {code, keys});
    case kChar: return MakeEventRecord(windowId, unitId, kCharacterTyped, {code});
    case kMouseWheel: return MakeEventRecord(windowId, unitId, -12, {WheelNotches(wParam), keys});
    default: return std::nullopt;
  }
}

std::int32_t KeysFromState(bool ctrl, bool shift, bool alt) { return (ctrl ? 1 : 0) | (shift ? 2 : 0) | (alt ? 4 : 0); }

InputClaim DecideInputClaim(const EventRecord& raised, bool handlerCalled, bool windowStillExists) {
  const bool handedBack = handlerCalled && raised.hasResult != 0;
  if (handedBack && raised.result == 0) return {true, std::nullopt};
  std::optional<std::int32_t> character;
  if (handedBack && raised.eventNumber == kCharacterTyped) character = raised.result;
  return {!windowStillExists, character};
}
