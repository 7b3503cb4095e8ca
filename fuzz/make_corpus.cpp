// Writes the seed corpus of the fuzz targets: the program's own blocks and a few variants of
// each (other versions, cut, overlong, refused). Usage: make_fuzz_corpus FOLDER
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/description_block.h"
#include "ui/label_settings.h"
#include "ui/startup_description.h"
#include "ui/timer_settings.h"
#include "ui/window_settings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

void Put(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Cut(Bytes bytes, std::size_t count = 1) {
  bytes.resize(bytes.size() - count);
  return bytes;
}

Bytes WithVersion(Bytes bytes, std::uint32_t version) {
  for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(version >> (8 * i));
  return bytes;
}

const Bytes& SettingsOf(const std::vector<StoredWindow>& windows, UnitId id) {
  for (const StoredUnit& unit : windows.front().units) {
    if (unit.record.id == id) return unit.record.settings;
  }
  std::fprintf(stderr, "no unit %08x in the description\n", id);
  std::exit(1);
}

WindowSettings EveryWindowFieldSet() {
  WindowSettings s;
  s.windowBorder = 5;
  s.pictureMode = 3;
  s.backColor = 0x00102030;
  s.maximizeBox = true;
  s.minimizeBox = false;
  s.controlBox = false;
  s.startPosition = 3;
  s.movable = false;
  s.musicMode = 2;
  s.enterMovesFocus = true;
  s.escCloses = false;
  s.f1OpensHelp = true;
  s.helpContext = 7;
  s.showInTaskbar = false;
  s.dragAnywhere = true;
  s.shape = 29;
  s.alwaysOnTop = true;
  s.keepTitleActive = true;
  s.className = "窗口类";
  s.picture = {1, 2, 3};
  s.icon = {4};
  s.music = {5, 6};
  static constexpr char kTitleWithZero[] = "标题\0尾";  // the title ends at the zero
  s.title = std::string(kTitleWithZero, sizeof kTitleWithZero - 1);
  s.helpFile = "help.chm";
  return s;
}

void WriteWindowSeeds(const fs::path& folder, const Bytes& startup) {
  Put(folder, "startup_window", startup);
  Put(folder, "empty", {});
  Put(folder, "version7", WithVersion(startup, 7));
  Put(folder, "cut", Cut(startup));
  WindowSettings every = EveryWindowFieldSet();
  for (std::int32_t version : {0, 3, 6}) {
    every.version = version;
    Put(folder, "every_field_version" + std::to_string(version), WriteWindowSettings(every));
  }
}

void WriteLabelSeeds(const fs::path& folder, const std::vector<StoredWindow>& windows) {
  const UnitId labels[] = {kLabel1Id, kLabel2Id, kLabel3Id, kLabel4Id};
  for (std::size_t i = 0; i < std::size(labels); ++i) {
    Put(folder, "label" + std::to_string(i + 1), SettingsOf(windows, labels[i]));
  }
  // Versions 0 and 1 end before the two data-source counts, which are empty in 标签2.
  const Bytes& label2 = SettingsOf(windows, kLabel2Id);
  Put(folder, "version0", WithVersion(Cut(label2, 8), 0));
  Put(folder, "version1", WithVersion(Cut(label2, 8), 1));
  Put(folder, "version3", WithVersion(label2, 3));
  Put(folder, "cut", Cut(SettingsOf(windows, kLabel1Id)));
  LabelSettings shortFont;
  shortFont.font.assign(59, 0x41);
  Put(folder, "font59", WriteLabelSettings(shortFont));
  Put(folder, "empty", {});
}

void WriteTimerSeeds(const fs::path& folder) {
  const Bytes period = WriteTimerSettings({200});
  Put(folder, "period200", period);
  Put(folder, "version0", WithVersion(period, 0));
  Put(folder, "version2", WithVersion(period, 2));
  Put(folder, "negative_period", WriteTimerSettings({-5}));
  Put(folder, "cut", Cut(period, 4));
  Put(folder, "empty", {});
}

void WriteDescriptionSeeds(const fs::path& folder, const std::vector<StoredWindow>& windows) {
  const Bytes& startup = StartupDescriptionBlock();
  Put(folder, "startup", startup);
  Put(folder, "cut", Cut(startup));
  Bytes overlong = startup;
  overlong.push_back(0);
  Put(folder, "overlong", overlong);
  std::vector<StoredWindow> changed = windows;
  changed[0].units[0].bindings[0].handlerReference = kNoHandlerReference;
  Put(folder, "no_handler", WriteDescriptionBlock(changed));
  changed.push_back(changed[0]);
  changed[1].id += 1;
  changed[1].units.resize(2);
  Put(folder, "two_windows", WriteDescriptionBlock(changed));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_fuzz_corpus FOLDER\n", stderr);
    return 2;
  }
  const fs::path corpus = argv[1];
  const std::vector<StoredWindow> windows = StartupDescription();
  WriteWindowSeeds(corpus / "window_settings", SettingsOf(windows, kStartupWindowUnitId));
  WriteLabelSeeds(corpus / "label_settings", windows);
  WriteTimerSeeds(corpus / "timer_settings");
  WriteDescriptionSeeds(corpus / "description", windows);
  return 0;
}
