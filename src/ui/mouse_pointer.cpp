#include "ui/mouse_pointer.h"

#include <algorithm>
#include <iterator>

#include "ui/byte_stream.h"

namespace {

// Longer blocks carry a cursor image of their own.
constexpr std::size_t kLongestPlainBlock = 10;
constexpr std::int32_t kCursorCount = static_cast<std::int32_t>(std::size(kSystemCursors));

std::uint32_t PointerValue(const std::vector<std::uint8_t>& block) {
  if (block.size() < 4) return block.front();
  return ByteReader(block.data(), block.size()).UInt32();
}

bool IsSystemCursor(std::uint32_t value) {
  return std::find(std::begin(kSystemCursors), std::end(kSystemCursors), value) != std::end(kSystemCursors);
}

}  // namespace

std::uint32_t SystemCursorFor(const std::vector<std::uint8_t>& mousePointer) {
  if (mousePointer.empty() || mousePointer.size() > kLongestPlainBlock) return 0;
  // The own-image mark -1, like 0 and every other value, is no system cursor.
  const std::uint32_t cursor = StoredMousePointer(static_cast<std::int32_t>(PointerValue(mousePointer)));
  return IsSystemCursor(cursor) ? cursor : 0;
}

std::uint32_t StoredMousePointer(std::int32_t written) {
  if (written >= 1 && written <= kCursorCount) return kSystemCursors[written - 1];
  return static_cast<std::uint32_t>(written);
}

std::vector<std::uint8_t> MousePointerBlock(std::uint32_t value) {
  ByteWriter writer;
  writer.UInt32(value);
  return writer.Take();
}
