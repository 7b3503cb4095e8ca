#include "ui/icon_directory.h"


namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

std::uint32_t ReadUInt16(const std::uint8_t* bytes) { return bytes[0] | static_cast<std::uint32_t>(bytes[1]) << 8; }

std::uint32_t ReadUInt32(const std::uint8_t* bytes) {
  return ReadUInt16(bytes) | ReadUInt16(bytes + 2) << 16;
}

// Width and height 0 stand for 256 pixels.
std::uint32_t Side(std::uint8_t stored) { return stored == 0 ? 256 : stored; }

}  // namespace

std::optional<IconImage> LargestIconImage(const std::vector<std::uint8_t>& file) {
  if (file.size() < kDirectoryHeaderSize) return std::nullopt;
  const std::uint8_t* bytes = file.data();
  const std::uint32_t count = ReadUInt16(bytes + 4);
  if (ReadUInt16(bytes) != 0 || ReadUInt16(bytes + 2) != 1 || count == 0) return std::nullopt;
  if (file.size() < kDirectoryHeaderSize + count * kEntrySize) return std::nullopt;

  std::optional<IconImage> best;
  std::uint64_t bestRank = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = bytes + kDirectoryHeaderSize + i * kEntrySize;
    const std::uint64_t offset = ReadUInt32(entry + 12);
    const std::uint64_t size = ReadUInt32(entry + 8);
    if (size == 0 || offset + size > file.size()) return std::nullopt;
    const std::uint64_t rank = (static_cast<std::uint64_t>(Side(entry[0]) * Side(entry[1])) << 16) | ReadUInt16(entry + 6);
    if (!best || rank > bestRank) {
      best = IconImage{static_cast<std::size_t>(offset), static_cast<std::size_t>(size)};
      bestRank = rank;
    }
  }
  return best;
}
