#include "ui/font_record.h"

#include <algorithm>
#include <array>

#include "ui/byte_stream.h"

namespace {

constexpr std::uint8_t kDefaultCharSet = 1;
constexpr std::uint8_t kDefaultOutPrecision = 0;
constexpr std::uint8_t kDefaultClipPrecision = 0;
constexpr std::uint8_t kProofQuality = 2;
constexpr std::uint8_t kDefaultPitchAnyFamily = 0;

}  // namespace

std::vector<std::uint8_t> WriteFontRecord(const FontRecord& record) {
  ByteWriter writer;
  for (std::int32_t value : {record.height, record.width, record.escapement, record.orientation, record.weight}) {
    writer.Int32(value);
  }
  for (std::uint8_t value : {record.italic, record.underline, record.strikeOut, record.charSet, record.outPrecision,
                             record.clipPrecision, record.quality, record.pitchAndFamily}) {
    writer.Byte(value);
  }
  std::array<std::uint8_t, kFontFaceSize> face{};
  std::copy_n(record.face.begin(), std::min(record.face.size(), kFontFaceSize - 1), face.begin());
  writer.Raw(face.data(), face.size());
  return writer.Take();
}

std::optional<FontRecord> ReadFontRecord(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != kFontRecordSize) return std::nullopt;
  ByteReader reader(bytes.data(), bytes.size());
  FontRecord record;
  for (std::int32_t* field : {&record.height, &record.width, &record.escapement, &record.orientation, &record.weight}) {
    *field = reader.Int32();
  }
  for (std::uint8_t* field : {&record.italic, &record.underline, &record.strikeOut, &record.charSet,
                              &record.outPrecision, &record.clipPrecision, &record.quality, &record.pitchAndFamily}) {
    *field = reader.Byte();
  }
  record.face = TextFromBytes(reader.Raw(kFontFaceSize), kFontFaceSize - 1);
  return record;
}

FontRecord ForFontCreation(FontRecord record) {
  record.charSet = kDefaultCharSet;
  record.outPrecision = kDefaultOutPrecision;
  record.clipPrecision = kDefaultClipPrecision;
  record.quality = kProofQuality;
  record.pitchAndFamily = kDefaultPitchAnyFamily;
  return record;
}
