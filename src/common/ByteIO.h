#pragma once
// Little-endian packed records, as every binary file of the program is laid
// out: 16-bit integers, IEEE singles and doubles, and texts stored as a 16-bit
// character count followed by that many 8-bit characters.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace saltmark {

// Reads from a byte buffer; every read past the end throws
// RuntimeError(errc::kInputPastEnd) and leaves the position unchanged.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  bool atEnd() const { return pos_ >= bytes_.size(); }
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }

  std::int16_t readInt16();
  std::uint16_t readUInt16();
  float readSingle();
  double readDouble();
  std::string readBytes(std::size_t count);
  // A 16-bit count followed by that many characters.
  std::string readText();

 private:
  void require(std::size_t count) const;
  // A floating-point value copied byte for byte, as the files keep it.
  template <typename Value>
  Value readRaw();
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  void writeInt16(std::int16_t value);
  void writeUInt16(std::uint16_t value);
  void writeSingle(float value);
  void writeDouble(double value);
  void writeBytes(std::string_view bytes) { bytes_.append(bytes); }
  // Throws RuntimeError(errc::kOverflow) for a text longer than 65535 characters.
  void writeText(std::string_view text);

  const std::string& bytes() const { return bytes_; }

 private:
  template <typename Value>
  void writeRaw(Value value);
  std::string bytes_;
};

// The whole file as bytes. Throws RuntimeError: errc::kFileNotFound when it
// does not exist, errc::kPathFileAccess when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

}  // namespace saltmark
