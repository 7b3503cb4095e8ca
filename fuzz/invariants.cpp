#include "invariants.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "lifecycle/console_platform.h"
#include "lifecycle/start_engine.h"
#include "lifecycle/window_engine.h"
#include "ui/description_block.h"
#include "ui/font_record.h"
#include "ui/label_settings.h"
#include "ui/mouse_pointer.h"
#include "ui/timer_settings.h"
#include "ui/unit_kind.h"
#include "ui/window_settings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

template <class Record>
using Reader = std::optional<Record> (*)(const std::uint8_t* block, std::size_t length);
template <class Record>
using Writer = Bytes (*)(const Record& record);

// Decoded here without the readers' own helpers, so that a fault in those shows.
std::uint32_t UInt32At(const std::uint8_t* block, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(block[offset + i]) << (8 * i);
  return value;
}

std::int32_t Int32At(const std::uint8_t* block, std::size_t offset) {
  return static_cast<std::int32_t>(UInt32At(block, offset));
}

// What every reader with a writer keeps: the block written from a record it read is no
// longer than longestWritten (the reader invents nothing), reads back to the same record,
// and is refused when cut by its last byte (a block that ends inside a field is never
// half-read).
template <class Record>
std::string CheckRoundTrip(const Record& record, std::size_t longestWritten, Reader<Record> read,
                           Writer<Record> write) {
  const Bytes written = write(record);
  if (written.size() > longestWritten) return "the block written back is longer than the block read";
  const std::optional<Record> reread = read(written.data(), written.size());
  if (!reread) return "the block written back is refused";
  if (!(*reread == record)) return "the block written back reads to another record";
  if (read(written.data(), written.size() - 1)) return "the block written back, cut by one byte, is accepted";
  return {};
}

// An empty block keeps the initial values; the block written from them reads back to them.
template <class Record>
std::string CheckEmptyBlock(const std::optional<Record>& read, Reader<Record> reader, Writer<Record> write) {
  if (!read || !(*read == Record{})) return "an empty block does not keep the initial values";
  return CheckRoundTrip(*read, std::numeric_limits<std::size_t>::max(), reader, write);
}

// The least a window block of this version takes: its scalars and the counts of its texts
// and byte blocks.
std::size_t LeastWindowBlock(std::int32_t version) {
  std::size_t fields = 14 + 5;
  if (version >= 2) fields += 1;  // ShowInTaskbar
  if (version >= 3) fields += 2;  // DragAnywhere, Shape
  if (version >= 4) fields += 1;  // AlwaysOnTop
  if (version >= 5) fields += 1;  // KeepTitleActive
  if (version >= 6) fields += 1;  // ClassName
  return 4 * fields;
}

// A versioned block that reads is of a known version and holds the fields of its version.
std::string CheckVersionedBlock(std::int64_t version, std::int64_t newest, std::size_t length, std::size_t least) {
  if (version > newest) return "a block of a newer version is accepted";
  if (length < least) return "a block shorter than its version's fields is accepted";
  return {};
}

// The label's fixed fields and the counts of font, picture and caption; version 2 adds the
// counts of the two data-source texts.
constexpr std::size_t kLeastLabelBlock = 68 + 3 * 4;
constexpr std::size_t kDataSourceCounts = 2 * 4;
// A timer's version and period.
constexpr std::size_t kTimerBlock = 8;

// The part of a font record stored verbatim, before the face name.
constexpr std::size_t kFontFixedFields = kFontRecordSize - kFontFaceSize;

// Versions 0 and 1 are version 2 without the two data-source texts at its end: the record
// without them, written so, reads back the same.
std::string CheckOlderLabelVersions(LabelSettings settings) {
  settings.dataSourceName.clear();
  settings.dataColumnName.clear();
  Bytes block = WriteLabelSettings(settings);
  block.resize(block.size() - kDataSourceCounts);
  for (const std::uint8_t version : {std::uint8_t{0}, std::uint8_t{1}}) {
    block[0] = version;  // the version's other bytes are zero
    if (ReadLabelSettings(block.data(), block.size()) != settings) {
      return "a block of version " + std::to_string(version) + " does not read as version 2 without its data-source texts";
    }
  }
  return {};
}

std::string CheckFontRecord(const Bytes& font) {
  const std::optional<FontRecord> record = ReadFontRecord(font);
  if (font.size() != kFontRecordSize) {
    return record ? "a font record of " + std::to_string(font.size()) + " bytes is accepted" : "";
  }
  if (!record) return "a font record of 60 bytes is refused";
  const Bytes written = WriteFontRecord(*record);
  if (written.size() != kFontRecordSize) return "a font record is written in another size";
  if (!std::equal(font.begin(), font.begin() + kFontFixedFields, written.begin())) {
    return "the font's fields are not the stored bytes";
  }
  const auto face = font.begin() + kFontFixedFields;
  const auto faceEnd = std::find(face, face + (kFontFaceSize - 1), std::uint8_t{0});
  if (record->face != std::string(face, faceEnd)) return "the face name is not the stored one up to its zero";
  if (ReadFontRecord(written) != record) return "the font record written back reads to another record";
  return {};
}

BlockCheck CheckForKind(std::uint32_t kind) {
  switch (kind) {
    case kWindowKindCode:
      return CheckWindowSettingsBlock;
    case kLabelKindCode:
      return CheckLabelSettingsBlock;
    case kTimerKindCode:
      return CheckTimerSettingsBlock;
    default:
      return nullptr;
  }
}

std::string CheckUnit(const StoredUnit& unit) {
  const std::uint32_t cursor = SystemCursorFor(unit.record.mousePointer);
  if (cursor != 0 && std::find(std::begin(kSystemCursors), std::end(kSystemCursors), cursor) == std::end(kSystemCursors)) {
    return "the mouse pointer gives cursor " + std::to_string(cursor) + ", which is not in the cursor table";
  }
  const BlockCheck check = CheckForKind(unit.record.kind);
  return check == nullptr ? "" : check(unit.record.settings.data(), unit.record.settings.size());
}

// Distinct bodies, so that the two handlers have distinct addresses.
HandlerResult EvenReferenceHandler(const std::int32_t*, std::int32_t) { return 0; }
HandlerResult OddReferenceHandler(const std::int32_t*, std::int32_t) { return 1; }

Handler HandlerFor(std::int32_t reference) {
  if (reference == kNoHandlerReference) return nullptr;
  return reference % 2 == 0 ? EvenReferenceHandler : OddReferenceHandler;
}

std::string CompareRegistered(const std::vector<WindowRecord>& registered, const std::vector<StoredWindow>& stored) {
  if (registered.size() != stored.size()) return "StartEngine registers another number of windows";
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (registered[i].id != stored[i].id || registered[i].units.size() != stored[i].units.size()) {
      return "window " + std::to_string(i) + " is registered with another id or number of units";
    }
    if (!registered[i].snapshot.empty()) return "window " + std::to_string(i) + " is registered with a snapshot";
    for (std::size_t k = 0; k < stored[i].units.size(); ++k) {
      UnitRecord expected = stored[i].units[k].record;
      for (const StoredBinding& binding : stored[i].units[k].bindings) {
        expected.bindings.push_back({binding.eventNumber, HandlerFor(binding.handlerReference)});
      }
      if (!(registered[i].units[k] == expected)) {
        return "unit " + std::to_string(k) + " of window " + std::to_string(i) + " is not registered as stored";
      }
    }
  }
  return {};
}

// Starts the engine on the block with a handler base that has every reference the block
// names, so that the description is readable and the fatal path stays out of reach.
std::string CheckRegistration(const std::vector<StoredWindow>& windows, const std::uint8_t* block,
                              std::size_t length) {
  std::vector<HandlerEntry> handlerBase;
  for (const StoredWindow& window : windows) {
    for (const StoredUnit& unit : window.units) {
      for (const StoredBinding& binding : unit.bindings) {
        if (binding.handlerReference != kNoHandlerReference) {
          handlerBase.push_back({binding.handlerReference, HandlerFor(binding.handlerReference)});
        }
      }
    }
  }
  ResetEngine(std::make_unique<ConsolePlatform>());
  ProgramHeader header;
  header.handlerBase = handlerBase;
  header.descriptionBlock = block;
  header.descriptionBlockSize = length;
  StartEngine(header);
  std::string fault = CompareRegistered(Engine().description.windows, windows);
  ResetEngine(std::make_unique<ConsolePlatform>());
  return fault;
}

const FuzzTarget kFuzzTargets[] = {
    {"window_settings", CheckWindowSettingsBlock},
    {"label_settings", CheckLabelSettingsBlock},
    {"timer_settings", CheckTimerSettingsBlock},
    {"description", CheckDescriptionBlock},
};

}  // namespace

std::string CheckWindowSettingsBlock(const std::uint8_t* block, std::size_t length) {
  const std::optional<WindowSettings> settings = ReadWindowSettings(block, length);
  if (length == 0) return CheckEmptyBlock(settings, ReadWindowSettings, WriteWindowSettings);
  if (!settings) return {};
  if (length < 4) return "a block shorter than its version is accepted";
  const std::int32_t version = Int32At(block, 0);
  std::string fault = CheckVersionedBlock(version, kWindowSettingsVersion, length, LeastWindowBlock(version));
  if (fault.empty() && settings->version != version) fault = "the settings do not keep the block's version";
  // The writer writes the layout of the version read, so the block written is comparable.
  return fault.empty() ? CheckRoundTrip(*settings, length, ReadWindowSettings, WriteWindowSettings) : fault;
}

std::string CheckLabelSettingsBlock(const std::uint8_t* block, std::size_t length) {
  const std::optional<LabelSettings> settings = ReadLabelSettings(block, length);
  if (length == 0) return CheckEmptyBlock(settings, ReadLabelSettings, WriteLabelSettings);
  if (!settings) return {};
  if (length < 4) return "a block shorter than its version is accepted";
  const std::uint32_t version = UInt32At(block, 0);
  const std::size_t least = kLeastLabelBlock + (version >= 2 ? kDataSourceCounts : 0);
  std::string fault = CheckVersionedBlock(version, kLabelSettingsVersion, length, least);
  if (fault.empty() && version < 2 && (!settings->dataSourceName.empty() || !settings->dataColumnName.empty())) {
    fault = "a block of version " + std::to_string(version) + " gives data-source texts";
  }
  // The writer always writes version 2, which adds the two data-source counts.
  const std::size_t longest = length + (version < 2 ? kDataSourceCounts : 0);
  if (fault.empty()) fault = CheckRoundTrip(*settings, longest, ReadLabelSettings, WriteLabelSettings);
  if (fault.empty()) fault = CheckOlderLabelVersions(*settings);
  return fault.empty() ? CheckFontRecord(settings->font) : fault;
}

std::string CheckTimerSettingsBlock(const std::uint8_t* block, std::size_t length) {
  const std::optional<TimerSettings> settings = ReadTimerSettings(block, length);
  if (length == 0) return CheckEmptyBlock(settings, ReadTimerSettings, WriteTimerSettings);
  const bool readable = length >= kTimerBlock && UInt32At(block, 0) <= 1;
  if (settings.has_value() != readable) return readable ? "a readable block is refused" : "an unreadable block is accepted";
  if (!settings) return {};
  if (settings->period != Int32At(block, 4)) return "the period is not the stored one";
  return CheckRoundTrip(*settings, length, ReadTimerSettings, WriteTimerSettings);
}

std::string CheckDescriptionBlock(const std::uint8_t* block, std::size_t length) {
  const auto windows = ReadDescriptionBlock(block, length);
  if (!windows) return {};
  std::string fault = CheckRoundTrip(*windows, length, ReadDescriptionBlock, WriteDescriptionBlock);
  if (!fault.empty()) return fault;
  Bytes longer = WriteDescriptionBlock(*windows);
  longer.push_back(0);
  if (ReadDescriptionBlock(longer.data(), longer.size())) return "a block with a byte after its end is accepted";
  for (std::size_t i = 0; i < windows->size(); ++i) {
    if ((*windows)[i].units.empty()) return "window " + std::to_string(i) + " has no units";
    for (std::size_t k = 0; k < (*windows)[i].units.size(); ++k) {
      fault = CheckUnit((*windows)[i].units[k]);
      if (!fault.empty()) return "unit " + std::to_string(k) + " of window " + std::to_string(i) + ": " + fault;
    }
  }
  return CheckRegistration(*windows, block, length);
}

std::span<const FuzzTarget> FuzzTargets() { return kFuzzTargets; }
