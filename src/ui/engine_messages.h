#pragma once

#include <cstdint>

// Private window messages of the engine.
inline constexpr std::uint32_t kDestroyRequest = 0x8065;
inline constexpr std::uint32_t kDataSourceChanged = 0x806F;
inline constexpr std::uint32_t kBindingQuery = 0x8070;
// Sent to every unit once its window has been shown and fully loaded.
inline constexpr std::uint32_t kWindowLoaded = 0x8071;
inline constexpr std::uint32_t kLabelNotification = 0x8075;
