#include "ui/label_font_win32.h"

#include <algorithm>
#include <optional>

#include "ui/font_record.h"

namespace {

LOGFONTA ToLogFont(const FontRecord& record) {
  LOGFONTA font{};
  font.lfHeight = record.height;
  font.lfWidth = record.width;
  font.lfEscapement = record.escapement;
  font.lfOrientation = record.orientation;
  font.lfWeight = record.weight;
  font.lfItalic = record.italic;
  font.lfUnderline = record.underline;
  font.lfStrikeOut = record.strikeOut;
  font.lfCharSet = record.charSet;
  font.lfOutPrecision = record.outPrecision;
  font.lfClipPrecision = record.clipPrecision;
  font.lfQuality = record.quality;
  font.lfPitchAndFamily = record.pitchAndFamily;
  const std::size_t faceLength = std::min(record.face.size(), sizeof font.lfFaceName - 1);
  std::copy_n(record.face.begin(), faceLength, font.lfFaceName);
  return font;
}

}  // namespace

OwnedFont MakeLabelFont(const std::vector<std::uint8_t>& record) {
  const std::optional<FontRecord> stored = ReadFontRecord(record);
  if (!stored) return OwnedFont();
  const LOGFONTA font = ToLogFont(ForFontCreation(*stored));
  return OwnedFont(CreateFontIndirectA(&font));
}
