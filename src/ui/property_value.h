#pragma once

#include <cstdint>

// One property value as written and read through the engine. Which member counts depends
// on the property's type: integer-like values use integer (and high for 64-bit values),
// texts use text (null is the empty text), byte blocks use bytes and length.
struct PropertyValue {
  std::int32_t integer = 0;
  std::int32_t high = 0;
  const char* text = nullptr;
  const std::uint8_t* bytes = nullptr;
  std::int32_t length = 0;
};

enum class PropertyType { Integer, Boolean, Text, Choice, Colour, Bytes, Font, FileName };
