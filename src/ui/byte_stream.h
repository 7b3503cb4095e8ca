#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The stored blocks of the engine are little-endian: scalars are 32-bit, byte blocks and
// texts are a signed 32-bit count followed by that many bytes, a count of 0 or less being
// empty, and a text ends early at a zero byte inside it.

class ByteWriter {
 public:
  void Int32(std::int32_t value);
  void UInt32(std::uint32_t value);
  void Flag(bool value);
  void Byte(std::uint8_t value);
  void Raw(const std::uint8_t* data, std::size_t length);
  void Block(const std::vector<std::uint8_t>& block);
  void Text(const std::string& text);

  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Every read that would go past the end fails the reader for good: it then answers zero or
// empty values, so a caller reads all its fields and checks Failed once.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t length) : data_(data), remaining_(data == nullptr ? 0 : length) {}

  std::int32_t Int32();
  std::uint32_t UInt32();
  bool Flag() { return Int32() != 0; }
  std::uint8_t Byte();
  // The next length bytes, or null when fewer remain.
  const std::uint8_t* Raw(std::size_t length);
  std::vector<std::uint8_t> Block();
  std::string Text();

  bool Failed() const { return failed_; }
  std::size_t Remaining() const { return remaining_; }

 private:
  const std::uint8_t* data_;
  std::size_t remaining_;
  bool failed_ = false;
};

// A text from a byte run: it ends at the first zero byte, if any.
std::string TextFromBytes(const std::uint8_t* bytes, std::size_t length);

// Reads a kind's settings block over the settings' initial values: an empty block keeps
// them all. readFields answers false for a block it refuses (a version it does not know);
// a block that ends inside a field is refused as well.
template <class Settings, class ReadFields>
std::optional<Settings> ReadSettingsBlock(const std::uint8_t* block, std::size_t length, ReadFields readFields) {
  Settings settings;
  if (block == nullptr || length == 0) return settings;
  ByteReader reader(block, length);
  if (!readFields(reader, settings) || reader.Failed()) return std::nullopt;
  return settings;
}
