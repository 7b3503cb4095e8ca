#include "uptime/text.h"

#include <cstring>

#include "uptime/block.h"

std::uint32_t TextLength(const char* text) {
  return text == nullptr ? 0 : static_cast<std::uint32_t>(std::strlen(text));
}

char* Int64ToText(std::int64_t value) {
  char scratch[24];
  char* end = scratch + sizeof scratch;
  char* digits = end;
  // Work on the magnitude as unsigned so the smallest 64-bit value has a magnitude too.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    *--digits = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--digits = '-';

  const auto length = static_cast<std::size_t>(end - digits);
  auto* text = static_cast<char*>(AllocateBlock(length + 1));
  std::memcpy(text, digits, length);
  text[length] = '\0';
  return text;
}

char* ConcatMeasuredTexts(std::size_t n, const char* const* parts, std::uint32_t* lengths) {
  std::size_t total = 1;
  for (std::size_t i = 0; i < n; ++i) {
    lengths[i] = TextLength(parts[i]);
    total += lengths[i];
  }
  auto* text = static_cast<char*>(AllocateBlock(total));
  char* end = text;
  for (std::size_t i = 0; i < n; ++i) {
    if (lengths[i] == 0) continue;
    std::memcpy(end, parts[i], lengths[i]);
    end += lengths[i];
  }
  *end = '\0';
  return text;
}
