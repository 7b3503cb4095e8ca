#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Checks of the readers of stored bytes, shared by the fuzz targets and the replay of their
// seed corpus among the unit tests. Each runs one reader over a block and answers the first
// invariant that does not hold, or an empty text when all do. Refusing a block is a correct
// answer; crashing, reading out of bounds, leaking or breaking an invariant is not.
using BlockCheck = std::string (*)(const std::uint8_t* block, std::size_t length);

std::string CheckWindowSettingsBlock(const std::uint8_t* block, std::size_t length);
// The label's block and, when the label has one, its font record.
std::string CheckLabelSettingsBlock(const std::uint8_t* block, std::size_t length);
std::string CheckTimerSettingsBlock(const std::uint8_t* block, std::size_t length);
// The description's loading: the block itself, each unit's mouse pointer and own settings
// block (by the unit's kind), and the registration of the read description by StartEngine.
std::string CheckDescriptionBlock(const std::uint8_t* block, std::size_t length);

struct FuzzTarget {
  const char* name;  // also the folder of its seed corpus: fuzz/corpus/<name>/
  BlockCheck check;
};

std::span<const FuzzTarget> FuzzTargets();
