#include "common/ByteIO.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/RuntimeError.h"

namespace saltmark {

static_assert(std::endian::native == std::endian::little, "files are little-endian; add byte swapping");

void ByteReader::require(std::size_t count) const {
  if (count > remaining()) throw RuntimeError(errc::kInputPastEnd);
}

std::int16_t ByteReader::readInt16() { return static_cast<std::int16_t>(readUInt16()); }

std::uint16_t ByteReader::readUInt16() {
  require(2);
  const auto lo = static_cast<unsigned char>(bytes_[pos_]);
  const auto hi = static_cast<unsigned char>(bytes_[pos_ + 1]);
  pos_ += 2;
  return static_cast<std::uint16_t>(lo | (hi << 8));
}

template <typename Value>
Value ByteReader::readRaw() {
  require(sizeof(Value));
  Value value;
  std::memcpy(&value, bytes_.data() + pos_, sizeof(Value));
  pos_ += sizeof(Value);
  return value;
}

float ByteReader::readSingle() { return readRaw<float>(); }

double ByteReader::readDouble() { return readRaw<double>(); }

std::string ByteReader::readBytes(std::size_t count) {
  require(count);
  std::string out(bytes_.substr(pos_, count));
  pos_ += count;
  return out;
}

std::string ByteReader::readText() {
  const std::size_t start = pos_;
  const std::uint16_t length = readUInt16();
  if (length > remaining()) {
    pos_ = start;
    throw RuntimeError(errc::kInputPastEnd);
  }
  return readBytes(length);
}

void ByteWriter::writeInt16(std::int16_t value) { writeUInt16(static_cast<std::uint16_t>(value)); }

void ByteWriter::writeUInt16(std::uint16_t value) {
  bytes_.push_back(static_cast<char>(value & 0xFF));
  bytes_.push_back(static_cast<char>(value >> 8));
}

template <typename Value>
void ByteWriter::writeRaw(Value value) {
  char raw[sizeof(Value)];
  std::memcpy(raw, &value, sizeof(Value));
  bytes_.append(raw, sizeof(Value));
}

void ByteWriter::writeSingle(float value) { writeRaw(value); }

void ByteWriter::writeDouble(double value) { writeRaw(value); }

void ByteWriter::writeText(std::string_view text) {
  if (text.size() > 0xFFFF) throw RuntimeError(errc::kOverflow);
  writeUInt16(static_cast<std::uint16_t>(text.size()));
  bytes_.append(text);
}

std::string readWholeFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    if (std::filesystem::exists(path, ec)) throw RuntimeError(errc::kPathFileAccess);
    throw RuntimeError(errc::kFileNotFound);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw RuntimeError(errc::kPathFileAccess);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw RuntimeError(errc::kPathFileAccess);
  return bytes;
}

}  // namespace saltmark
