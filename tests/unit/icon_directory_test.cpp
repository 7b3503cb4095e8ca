#include <gtest/gtest.h>

#include <vector>

#include "ui/icon_directory.h"

namespace {

struct Entry {
  std::uint8_t width, height;
  std::uint16_t bitCount;
  std::uint32_t size, offset;
};

std::vector<std::uint8_t> IconFile(std::uint16_t type, const std::vector<Entry>& entries, std::size_t length) {
  std::vector<std::uint8_t> file(length, 0xAB);
  auto put16 = [&file](std::size_t at, std::uint32_t v) {
    file[at] = static_cast<std::uint8_t>(v);
    file[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  put16(0, 0);
  put16(2, type);
  put16(4, static_cast<std::uint32_t>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::size_t at = 6 + 16 * i;
    file[at] = entries[i].width;
    file[at + 1] = entries[i].height;
    put16(at + 4, 1);
    put16(at + 6, entries[i].bitCount);
    put16(at + 8, entries[i].size & 0xFFFF);
    put16(at + 10, entries[i].size >> 16);
    put16(at + 12, entries[i].offset & 0xFFFF);
    put16(at + 14, entries[i].offset >> 16);
  }
  return file;
}

std::vector<std::uint8_t> Truncated(std::vector<std::uint8_t> file, std::size_t length) {
  file.resize(length);
  return file;
}

TEST(IconDirectoryTest, PicksTheLargestDeepestImage) {
  const auto file = IconFile(1, {{16, 16, 32, 100, 54}, {32, 32, 8, 100, 154}, {32, 32, 32, 100, 254}}, 354);
  const auto image = LargestIconImage(file);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->offset, 254u);
  EXPECT_EQ(image->size, 100u);

  const auto huge = LargestIconImage(IconFile(1, {{32, 32, 32, 10, 38}, {0, 0, 32, 10, 48}}, 58));
  ASSERT_TRUE(huge) << "a stored side of 0 means 256 pixels";
  EXPECT_EQ(huge->offset, 48u);
}

TEST(IconDirectoryTest, RefusesWhatIsNoIconOrReachesBeyondTheBytes) {
  const struct {
    const char* what;
    std::vector<std::uint8_t> file;
  } table[] = {
      {"empty", {}},
      {"a cursor file", IconFile(2, {{32, 32, 32, 10, 22}}, 32)},
      {"no images", IconFile(1, {}, 6)},
      {"directory cut short", Truncated(IconFile(1, {{32, 32, 32, 10, 22}}, 32), 12)},
      {"image beyond the end", IconFile(1, {{32, 32, 32, 11, 22}}, 32)},
      {"offset far beyond the end", IconFile(1, {{32, 32, 32, 10, 0xFFFFFFF0u}}, 32)},
      {"empty image", IconFile(1, {{32, 32, 32, 0, 22}}, 32)},
  };
  for (const auto& row : table) EXPECT_FALSE(LargestIconImage(row.file)) << row.what;
}

}  // namespace
