#pragma once

#include <cstdint>
#include <vector>

#include "ui/description_block.h"
#include "ui/unit_id.h"

inline constexpr UnitId kStartupWindowId = 0x52010001;
inline constexpr UnitId kStartupWindowUnitId = 0x06010000;
inline constexpr UnitId kLabel1Id = 0x1601000E;
inline constexpr UnitId kLabel2Id = 0x16010010;
inline constexpr UnitId kLabel3Id = 0x1601004D;
inline constexpr UnitId kLabel4Id = 0x16010062;
inline constexpr UnitId kTimer1Id = 0x1601000D;

// The handler references of the start-up window's bindings. The double-click of the window
// and of each label has a reference of its own; all lead to the close handler.
inline constexpr std::int32_t kWindowReadyReference = 0x32;
inline constexpr std::int32_t kRefreshTickReference = 0xba;
inline constexpr std::int32_t kWindowCloseReference = 0;
inline constexpr std::int32_t kLabel1CloseReference = 0x56;
inline constexpr std::int32_t kLabel2CloseReference = 0x4c9;
inline constexpr std::int32_t kLabel3CloseReference = 0x497;
inline constexpr std::int32_t kLabel4CloseReference = 0x88;

// The program's description: the start-up window and its five controls, in the order that
// decides creation and stacking (标签4, 标签3, 标签2, 标签1, 时钟1).
std::vector<StoredWindow> StartupDescription();

// The description as the program header hands it to StartEngine; written once, kept for
// the whole process.
const std::vector<std::uint8_t>& StartupDescriptionBlock();
