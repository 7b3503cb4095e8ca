#include "ui/window_settings.h"

#include "ui/byte_stream.h"

namespace {

// Fields added by later versions of the block: present only from the version named.
constexpr std::int32_t kShowInTaskbarVersion = 2;
constexpr std::int32_t kShapeVersion = 3;
constexpr std::int32_t kAlwaysOnTopVersion = 4;
constexpr std::int32_t kKeepTitleActiveVersion = 5;
constexpr std::int32_t kClassNameVersion = 6;

bool ReadFields(ByteReader& reader, WindowSettings& settings) {
  const std::int32_t version = reader.Int32();
  if (version > kWindowSettingsVersion) return false;
  settings.version = version;
  settings.windowBorder = reader.Int32();
  settings.pictureMode = reader.Int32();
  settings.backColor = reader.UInt32();
  settings.maximizeBox = reader.Flag();
  settings.minimizeBox = reader.Flag();
  settings.controlBox = reader.Flag();
  settings.startPosition = reader.Int32();
  settings.movable = reader.Flag();
  settings.musicMode = reader.Int32();
  settings.enterMovesFocus = reader.Flag();
  settings.escCloses = reader.Flag();
  settings.f1OpensHelp = reader.Flag();
  settings.helpContext = reader.Int32();
  if (version >= kShowInTaskbarVersion) settings.showInTaskbar = reader.Flag();
  if (version >= kShapeVersion) {
    settings.dragAnywhere = reader.Flag();
    settings.shape = reader.Int32();
  }
  if (version >= kAlwaysOnTopVersion) settings.alwaysOnTop = reader.Flag();
  if (version >= kKeepTitleActiveVersion) settings.keepTitleActive = reader.Flag();
  if (version >= kClassNameVersion) settings.className = reader.Text();
  settings.picture = reader.Block();
  settings.icon = reader.Block();
  settings.music = reader.Block();
  settings.title = reader.Text();
  settings.helpFile = reader.Text();
  return true;
}

}  // namespace

std::optional<WindowSettings> ReadWindowSettings(const std::uint8_t* block, std::size_t length) {
  return ReadSettingsBlock<WindowSettings>(block, length, ReadFields);
}

std::vector<std::uint8_t> WriteWindowSettings(const WindowSettings& settings) {
  const std::int32_t version = settings.version;
  ByteWriter writer;
  writer.Int32(version);
  writer.Int32(settings.windowBorder);
  writer.Int32(settings.pictureMode);
  writer.UInt32(settings.backColor);
  writer.Flag(settings.maximizeBox);
  writer.Flag(settings.minimizeBox);
  writer.Flag(settings.controlBox);
  writer.Int32(settings.startPosition);
  writer.Flag(settings.movable);
  writer.Int32(settings.musicMode);
  writer.Flag(settings.enterMovesFocus);
  writer.Flag(settings.escCloses);
  writer.Flag(settings.f1OpensHelp);
  writer.Int32(settings.helpContext);
  if (version >= kShowInTaskbarVersion) writer.Flag(settings.showInTaskbar);
  if (version >= kShapeVersion) {
    writer.Flag(settings.dragAnywhere);
    writer.Int32(settings.shape);
  }
  if (version >= kAlwaysOnTopVersion) writer.Flag(settings.alwaysOnTop);
  if (version >= kKeepTitleActiveVersion) writer.Flag(settings.keepTitleActive);
  if (version >= kClassNameVersion) writer.Text(settings.className);
  writer.Block(settings.picture);
  writer.Block(settings.icon);
  writer.Block(settings.music);
  writer.Text(settings.title);
  writer.Text(settings.helpFile);
  return writer.Take();
}
