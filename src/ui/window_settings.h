#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The own settings of the kind 窗口, with the defaults a block of a lower version leaves.
struct WindowSettings {
  std::int32_t version = 6;
  std::int32_t windowBorder = 2;  // 0 none ... 6 fixed with sunken client edge
  std::int32_t pictureMode = 1;
  std::uint32_t backColor = 0xFF000000;  // 0xFF000000: the system's button face
  bool maximizeBox = false;
  bool minimizeBox = true;
  bool controlBox = true;
  std::int32_t startPosition = 1;  // 0 as described, 1 centred, 2 minimized, 3 maximized
  bool movable = true;
  std::int32_t musicMode = 0;
  bool enterMovesFocus = false;
  bool escCloses = true;
  bool f1OpensHelp = false;
  std::int32_t helpContext = 0;
  bool showInTaskbar = true;   // version 2 and up
  bool dragAnywhere = false;   // version 3 and up
  std::int32_t shape = 0;      // version 3 and up
  bool alwaysOnTop = false;    // version 4 and up
  bool keepTitleActive = false;  // version 5 and up
  std::string className;       // version 6
  std::vector<std::uint8_t> picture;
  std::vector<std::uint8_t> icon;
  std::vector<std::uint8_t> music;
  std::string title;
  std::string helpFile;

  bool operator==(const WindowSettings&) const = default;
};

inline constexpr std::int32_t kWindowSettingsVersion = 6;

// Defaults first, then the block; an empty block keeps the defaults. Null for a version
// above 6 or a block that ends inside a field: a cut block is refused, never half-read.
// Bytes after the last field are ignored.
std::optional<WindowSettings> ReadWindowSettings(const std::uint8_t* block, std::size_t length);
// The layout of settings.version: the fields of later versions are left out.
std::vector<std::uint8_t> WriteWindowSettings(const WindowSettings& settings);
