#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A label's font: 60 bytes laid out as the window system's LOGFONTA structure.
inline constexpr std::size_t kFontRecordSize = 60;
// The face name field, its terminating zero included.
inline constexpr std::size_t kFontFaceSize = 32;

struct FontRecord {
  std::int32_t height = 0;  // negative: character height in pixels; positive: cell height
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;  // 400 normal, 700 bold
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::string face;  // GBK; at most 31 bytes are kept, the field's last byte is its terminator

  bool operator==(const FontRecord&) const = default;
};

std::vector<std::uint8_t> WriteFontRecord(const FontRecord& record);
// Null unless the bytes are exactly one record long.
std::optional<FontRecord> ReadFontRecord(const std::vector<std::uint8_t>& bytes);

// The copy a font is made from: the stored character set, precisions, quality and pitch
// carry no meaning and give way to the defaults every label font is made with.
FontRecord ForFontCreation(FontRecord record);
