#include "ui/byte_stream.h"

#include <algorithm>

void ByteWriter::UInt32(std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::Int32(std::int32_t value) { UInt32(static_cast<std::uint32_t>(value)); }

void ByteWriter::Flag(bool value) { Int32(value ? 1 : 0); }

void ByteWriter::Byte(std::uint8_t value) { bytes_.push_back(value); }

void ByteWriter::Raw(const std::uint8_t* data, std::size_t length) { bytes_.insert(bytes_.end(), data, data + length); }

void ByteWriter::Block(const std::vector<std::uint8_t>& block) {
  Int32(static_cast<std::int32_t>(block.size()));
  Raw(block.data(), block.size());
}

void ByteWriter::Text(const std::string& text) {
  Int32(static_cast<std::int32_t>(text.size()));
  Raw(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

const std::uint8_t* ByteReader::Raw(std::size_t length) {
  if (failed_ || length > remaining_) {
    failed_ = true;
    return nullptr;
  }
  const std::uint8_t* start = data_;
  data_ += length;
  remaining_ -= length;
  return start;
}

std::uint32_t ByteReader::UInt32() {
  const std::uint8_t* bytes = Raw(4);
  if (bytes == nullptr) return 0;
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::int32_t ByteReader::Int32() { return static_cast<std::int32_t>(UInt32()); }

std::uint8_t ByteReader::Byte() {
  const std::uint8_t* byte = Raw(1);
  return byte == nullptr ? 0 : *byte;
}

std::vector<std::uint8_t> ByteReader::Block() {
  const std::int32_t count = Int32();
  if (count <= 0) return {};
  const auto length = static_cast<std::size_t>(count);
  const std::uint8_t* bytes = Raw(length);
  if (bytes == nullptr) return {};
  return {bytes, bytes + length};
}

std::string ByteReader::Text() {
  const std::vector<std::uint8_t> bytes = Block();
  return TextFromBytes(bytes.data(), bytes.size());
}

std::string TextFromBytes(const std::uint8_t* bytes, std::size_t length) {
  const std::uint8_t* end = std::find(bytes, bytes + length, std::uint8_t{0});
  return {reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(end - bytes)};
}
