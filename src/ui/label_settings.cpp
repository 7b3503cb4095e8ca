#include "ui/label_settings.h"

#include "ui/byte_stream.h"

namespace {

// The data-source texts came with version 2 of the block.
constexpr std::uint32_t kDataSourceVersion = 2;

void ReadColours(ByteReader& reader, std::array<std::uint32_t, 3>& colours) {
  for (std::uint32_t& colour : colours) colour = reader.UInt32();
}

void WriteColours(ByteWriter& writer, const std::array<std::uint32_t, 3>& colours) {
  for (std::uint32_t colour : colours) writer.UInt32(colour);
}

bool ReadFields(ByteReader& reader, LabelSettings& settings) {
  const std::uint32_t version = reader.UInt32();
  if (version > kLabelSettingsVersion) return false;
  settings.textEffect = reader.Int32();
  settings.gradientBorderWidth = reader.Int32();
  settings.borderStyle = reader.Int32();
  ReadColours(reader, settings.gradientBorderColors);
  settings.textColor = reader.UInt32();
  settings.backColor = reader.UInt32();
  settings.pictureMode = reader.Int32();
  settings.gradientBackMode = reader.Int32();
  ReadColours(reader, settings.gradientBackColors);
  settings.hAlign = reader.Int32();
  settings.vAlign = reader.Int32();
  settings.wordWrap = reader.Int32();
  settings.font = reader.Block();
  settings.picture = reader.Block();
  settings.caption = reader.Text();
  if (version >= kDataSourceVersion) {
    settings.dataSourceName = reader.Text();
    settings.dataColumnName = reader.Text();
  }
  return true;
}

}  // namespace

std::optional<LabelSettings> ReadLabelSettings(const std::uint8_t* block, std::size_t length) {
  return ReadSettingsBlock<LabelSettings>(block, length, ReadFields);
}

std::vector<std::uint8_t> WriteLabelSettings(const LabelSettings& settings) {
  ByteWriter writer;
  writer.UInt32(kLabelSettingsVersion);
  writer.Int32(settings.textEffect);
  writer.Int32(settings.gradientBorderWidth);
  writer.Int32(settings.borderStyle);
  WriteColours(writer, settings.gradientBorderColors);
  writer.UInt32(settings.textColor);
  writer.UInt32(settings.backColor);
  writer.Int32(settings.pictureMode);
  writer.Int32(settings.gradientBackMode);
  WriteColours(writer, settings.gradientBackColors);
  writer.Int32(settings.hAlign);
  writer.Int32(settings.vAlign);
  writer.Int32(settings.wordWrap);
  writer.Block(settings.font);
  writer.Block(settings.picture);
  writer.Text(settings.caption);
  writer.Text(settings.dataSourceName);
  writer.Text(settings.dataColumnName);
  return writer.Take();
}
