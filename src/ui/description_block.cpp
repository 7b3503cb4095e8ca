#include "ui/description_block.h"

#include "ui/byte_stream.h"

namespace {

constexpr std::uint32_t kFormatTag = 0x31445755;  // "UWD1"

constexpr std::uint32_t kVisibleFlag = 1;
constexpr std::uint32_t kDisabledFlag = 2;
constexpr std::uint32_t kTabStopFlag = 4;
constexpr std::uint32_t kKnownFlags = kVisibleFlag | kDisabledFlag | kTabStopFlag;

// The least bytes each stored element takes, to refuse counts the block cannot hold before
// looping over them.
constexpr std::size_t kWindowBytes = 8;
constexpr std::size_t kUnitBytes = 64;
constexpr std::size_t kChildBytes = 4;
constexpr std::size_t kBindingBytes = 8;

std::uint32_t FlagsOf(const UnitRecord& unit) {
  return (unit.visible ? kVisibleFlag : 0) | (unit.disabled ? kDisabledFlag : 0) | (unit.tabStop ? kTabStopFlag : 0);
}

void WriteUnit(ByteWriter& writer, const StoredUnit& unit) {
  const UnitRecord& record = unit.record;
  writer.UInt32(record.id);
  writer.UInt32(record.kind);
  writer.UInt32(record.linkedUnit);
  writer.Text(record.name);
  for (std::int32_t value : {record.left, record.top, record.width, record.height}) writer.Int32(value);
  writer.UInt32(record.parent);
  writer.UInt32(static_cast<std::uint32_t>(record.children.size()));
  for (UnitId child : record.children) writer.UInt32(child);
  writer.Block(record.mousePointer);
  writer.Text(record.tag);
  writer.UInt32(FlagsOf(record));
  writer.Int32(record.tabOrder);
  writer.UInt32(static_cast<std::uint32_t>(unit.bindings.size()));
  for (const StoredBinding& binding : unit.bindings) {
    writer.Int32(binding.eventNumber);
    writer.Int32(binding.handlerReference);
  }
  writer.Block(record.settings);
}

// A count of elements of at least elementBytes each; null when the rest of the block
// cannot hold that many.
std::optional<std::uint32_t> ReadCount(ByteReader& reader, std::size_t elementBytes) {
  const std::uint32_t count = reader.UInt32();
  if (reader.Failed() || count > reader.Remaining() / elementBytes) return std::nullopt;
  return count;
}

bool ReadFlags(ByteReader& reader, UnitRecord& record) {
  const std::uint32_t flags = reader.UInt32();
  record.visible = (flags & kVisibleFlag) != 0;
  record.disabled = (flags & kDisabledFlag) != 0;
  record.tabStop = (flags & kTabStopFlag) != 0;
  return (flags & ~kKnownFlags) == 0;
}

bool ReadChildren(ByteReader& reader, UnitRecord& record) {
  const auto count = ReadCount(reader, kChildBytes);
  if (!count) return false;
  for (std::uint32_t i = 0; i < *count; ++i) record.children.push_back(reader.UInt32());
  return true;
}

bool ReadBindings(ByteReader& reader, StoredUnit& unit) {
  const auto count = ReadCount(reader, kBindingBytes);
  if (!count) return false;
  for (std::uint32_t i = 0; i < *count; ++i) {
    StoredBinding binding;
    binding.eventNumber = reader.Int32();
    binding.handlerReference = reader.Int32();
    unit.bindings.push_back(binding);
  }
  return true;
}

std::optional<StoredUnit> ReadUnit(ByteReader& reader) {
  StoredUnit unit;
  UnitRecord& record = unit.record;
  record.id = reader.UInt32();
  record.kind = reader.UInt32();
  record.linkedUnit = reader.UInt32();
  record.name = reader.Text();
  for (std::int32_t* value : {&record.left, &record.top, &record.width, &record.height}) *value = reader.Int32();
  record.parent = reader.UInt32();
  if (!ReadChildren(reader, record)) return std::nullopt;
  record.mousePointer = reader.Block();
  record.tag = reader.Text();
  if (!ReadFlags(reader, record)) return std::nullopt;
  record.tabOrder = reader.Int32();
  if (!ReadBindings(reader, unit)) return std::nullopt;
  record.settings = reader.Block();
  if (reader.Failed()) return std::nullopt;
  return unit;
}

std::optional<StoredWindow> ReadWindow(ByteReader& reader) {
  StoredWindow window;
  window.id = reader.UInt32();
  const auto count = ReadCount(reader, kUnitBytes);
  if (!count || *count == 0) return std::nullopt;
  for (std::uint32_t i = 0; i < *count; ++i) {
    auto unit = ReadUnit(reader);
    if (!unit) return std::nullopt;
    window.units.push_back(std::move(*unit));
  }
  return window;
}

}  // namespace

std::vector<std::uint8_t> WriteDescriptionBlock(const std::vector<StoredWindow>& windows) {
  ByteWriter writer;
  writer.UInt32(kFormatTag);
  writer.UInt32(static_cast<std::uint32_t>(windows.size()));
  for (const StoredWindow& window : windows) {
    writer.UInt32(window.id);
    writer.UInt32(static_cast<std::uint32_t>(window.units.size()));
    for (const StoredUnit& unit : window.units) WriteUnit(writer, unit);
  }
  return writer.Take();
}

std::optional<std::vector<StoredWindow>> ReadDescriptionBlock(const std::uint8_t* block, std::size_t length) {
  ByteReader reader(block, length);
  if (reader.UInt32() != kFormatTag) return std::nullopt;
  const auto count = ReadCount(reader, kWindowBytes);
  if (!count) return std::nullopt;
  std::vector<StoredWindow> windows;
  for (std::uint32_t i = 0; i < *count; ++i) {
    auto window = ReadWindow(reader);
    if (!window) return std::nullopt;
    windows.push_back(std::move(*window));
  }
  if (reader.Remaining() != 0) return std::nullopt;
  return windows;
}
