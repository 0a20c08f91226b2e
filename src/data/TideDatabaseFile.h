#pragma once
// The tide database file (".tid"): a sequence of records, each a signed 16-bit
// little-endian length L (1..32767) followed by L bytes of text scrambled with a
// chained exclusive-or. The first record is the signature, whose first eight
// characters are those of the version string ("Saltmark"); after it come, in
// any order, header records starting with "$" and one line per port.
//
// The reader and the writer are exact inverses: whatever EncodeTideDatabase
// accepts, DecodeTideDatabase gives back unchanged.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/AtomicFile.h"

namespace saltmark {

inline constexpr int kMaxTideLocations = 701;  // location indices 0..700
inline constexpr int kMaxTideHeaders = 3;      // further header records are skipped
inline constexpr std::size_t kMaxTideRecordLength = 32767;

struct TideDatabaseContents {
  std::string signature;
  std::vector<std::string> headers;        // without their leading "$"
  std::vector<std::string> locationLines;  // in file order, one per port
};

// The chained exclusive-or: each stored byte is the plain byte XOR the stored
// byte before it, the first one XOR (L AND 255).
std::string ScrambleRecordText(std::string_view plain);
std::string UnscrambleRecordText(std::string_view stored);

// One record: length and scrambled text. Throws std::invalid_argument for an
// empty text or one longer than kMaxTideRecordLength.
std::string EncodeTideRecord(std::string_view plain);

// A whole file. Throws std::invalid_argument, saying why, when the reader
// would not give the same contents back: a signature not starting with the
// program's eight signature characters, more than kMaxTideHeaders headers,
// more than kMaxTideLocations lines, an empty line or a line starting with "$",
// or a record longer than kMaxTideRecordLength.
std::string EncodeTideDatabase(std::string_view signature, const std::vector<std::string>& headers,
                               const std::vector<std::string>& locationLines);

// Encodes and writes the file atomically; a refused content or a failed write
// comes back as !ok with the reason, and leaves any existing file untouched.
WriteResult WriteTideDatabaseFile(const std::filesystem::path& path, std::string_view signature,
                                  const std::vector<std::string>& headers,
                                  const std::vector<std::string>& locationLines);

// Reads a file's bytes. Throws RuntimeError with
//   errc::kBadDatabase (3049) for an empty file, a wrong signature, a record
//     length of zero or less, or a record cut short by the end of the file;
//   errc::kSubscript (9) for more than kMaxTideLocations port lines.
// eachRecord, when given, runs before every record (to let window events through).
TideDatabaseContents DecodeTideDatabase(std::string_view bytes,
                                        const std::function<void()>& eachRecord = {});

// As DecodeTideDatabase, from a file; also throws RuntimeError with
// errc::kPathNotFound (76) when the file does not exist and
// errc::kPathFileAccess (75) when it cannot be read (a folder, say).
TideDatabaseContents ReadTideDatabaseFile(const std::filesystem::path& path,
                                          const std::function<void()>& eachRecord = {});

}  // namespace saltmark
