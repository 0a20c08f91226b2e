#include "data/TideDatabaseFile.h"

#include <stdexcept>
#include <system_error>

#include "common/ByteIO.h"
#include "common/RuntimeError.h"
#include "common/Version.h"

namespace saltmark {

namespace {

bool hasSignature(std::string_view text) {
  return text.size() >= kSignatureLength &&
         text.substr(0, kSignatureLength) == kVersionString.substr(0, kSignatureLength);
}

unsigned char firstKey(std::size_t length) { return static_cast<unsigned char>(length & 0xFF); }

}  // namespace

std::string ScrambleRecordText(std::string_view plain) {
  std::string stored(plain.size(), '\0');
  unsigned char key = firstKey(plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i) {
    key = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ key);
    stored[i] = static_cast<char>(key);
  }
  return stored;
}

std::string UnscrambleRecordText(std::string_view stored) {
  std::string plain(stored.size(), '\0');
  unsigned char key = firstKey(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const auto b = static_cast<unsigned char>(stored[i]);
    plain[i] = static_cast<char>(b ^ key);
    key = b;
  }
  return plain;
}

std::string EncodeTideRecord(std::string_view plain) {
  if (plain.empty()) throw std::invalid_argument("a tide database record cannot be empty");
  if (plain.size() > kMaxTideRecordLength)
    throw std::invalid_argument("a tide database record is longer than 32767 characters");
  ByteWriter writer;
  writer.writeInt16(static_cast<std::int16_t>(plain.size()));
  writer.writeBytes(ScrambleRecordText(plain));
  return writer.bytes();
}

std::string EncodeTideDatabase(std::string_view signature, const std::vector<std::string>& headers,
                               const std::vector<std::string>& locationLines) {
  if (!hasSignature(signature))
    throw std::invalid_argument("the signature must begin with \"" +
                                std::string(kVersionString.substr(0, kSignatureLength)) + "\"");
  if (headers.size() > static_cast<std::size_t>(kMaxTideHeaders))
    throw std::invalid_argument("a tide database keeps at most 3 header records");
  if (locationLines.size() > static_cast<std::size_t>(kMaxTideLocations))
    throw std::invalid_argument("a tide database holds at most 701 ports");
  std::string bytes = EncodeTideRecord(signature);
  for (const auto& header : headers) bytes += EncodeTideRecord("$" + header);
  for (std::size_t i = 0; i < locationLines.size(); ++i) {
    const std::string& line = locationLines[i];
    if (line.empty())
      throw std::invalid_argument("port line " + std::to_string(i) + " is empty");
    if (line.front() == '$')
      throw std::invalid_argument("port line " + std::to_string(i) + " starts with \"$\"");
    bytes += EncodeTideRecord(line);
  }
  return bytes;
}

WriteResult WriteTideDatabaseFile(const std::filesystem::path& path, std::string_view signature,
                                  const std::vector<std::string>& headers,
                                  const std::vector<std::string>& locationLines) {
  std::string bytes;
  try {
    bytes = EncodeTideDatabase(signature, headers, locationLines);
  } catch (const std::invalid_argument& refused) {
    return WriteResult{false, refused.what()};
  }
  return writeFileAtomically(path, bytes);
}

TideDatabaseContents DecodeTideDatabase(std::string_view bytes,
                                        const std::function<void()>& eachRecord) {
  TideDatabaseContents contents;
  ByteReader reader(bytes);
  bool signed_ = false;
  while (!reader.atEnd()) {
    if (eachRecord) eachRecord();
    // A length or a text cut short by the end of the file is a damaged
    // database, not a shorter one.
    if (reader.remaining() < 2) throw RuntimeError(errc::kBadDatabase);
    const std::int16_t length = reader.readInt16();
    if (length <= 0) throw RuntimeError(errc::kBadDatabase);
    if (static_cast<std::size_t>(length) > reader.remaining()) throw RuntimeError(errc::kBadDatabase);
    std::string text = UnscrambleRecordText(reader.readBytes(static_cast<std::size_t>(length)));

    if (!signed_) {
      if (!hasSignature(text)) throw RuntimeError(errc::kBadDatabase);
      contents.signature = std::move(text);
      signed_ = true;
    } else if (text.front() == '$') {
      if (contents.headers.size() < static_cast<std::size_t>(kMaxTideHeaders))
        contents.headers.push_back(text.substr(1));
    } else {
      if (contents.locationLines.size() >= static_cast<std::size_t>(kMaxTideLocations))
        throw RuntimeError(errc::kSubscript);
      contents.locationLines.push_back(std::move(text));
    }
  }
  // A file with no records at all has no signature either.
  if (!signed_) throw RuntimeError(errc::kBadDatabase);
  return contents;
}

TideDatabaseContents ReadTideDatabaseFile(const std::filesystem::path& path,
                                          const std::function<void()>& eachRecord) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) throw RuntimeError(errc::kPathNotFound);
  return DecodeTideDatabase(readWholeFile(path), eachRecord);
}

}  // namespace saltmark
