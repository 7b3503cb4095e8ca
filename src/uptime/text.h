#pragma once

#include <cstddef>
#include <cstdint>

// Texts are zero-terminated GBK byte strings in blocks from AllocateBlock; a null text is
// the empty text and lengths count bytes.

std::uint32_t TextLength(const char* text);

// New text with the decimal form: "-" for negatives, no padding, no separators.
char* Int64ToText(std::int64_t value);

// Joins n parts, measured once each into the caller's scratch array of n entries, into one
// block sized in advance. The parts stay the caller's.
char* ConcatMeasuredTexts(std::size_t n, const char* const* parts, std::uint32_t* lengths);

template <class... Texts>
char* ConcatTexts(Texts... parts) {
  static_assert(sizeof...(parts) >= 1);
  const char* const list[] = {parts...};
  std::uint32_t lengths[sizeof...(parts)];
  return ConcatMeasuredTexts(sizeof...(parts), list, lengths);
}
