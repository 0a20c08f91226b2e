#pragma once
// A secondary port as the user's difference database holds it: its name and
// position texts, the reference port whose tide it follows, and ten values
// kept as the texts the editor produced (an empty text is a value not given).
// Heights are metres with two decimals ("1.20"); time differences are a sign
// and HHMM ("+0130", "-0045", " 0000").
#include <array>
#include <cstdint>
#include <string>

#include "data/RecordFile.h"

namespace saltmark {

inline constexpr int kDifferenceValueCount = 10;

// The positions of the ten values in diffText.
namespace difference {
inline constexpr int kReferenceMHWS = 0;  // the reference port's mean levels
inline constexpr int kReferenceMHWN = 1;
inline constexpr int kReferenceMLWN = 2;
inline constexpr int kReferenceMLWS = 3;
inline constexpr int kTimeMHW = 4;  // time differences at high and low water
inline constexpr int kTimeMLW = 5;
inline constexpr int kHeightMHWS = 6;  // the secondary port's height differences
inline constexpr int kHeightMHWN = 7;
inline constexpr int kHeightMLWN = 8;
inline constexpr int kHeightMLWS = 9;
inline constexpr bool isTimeDifference(int index) { return index == kTimeMHW || index == kTimeMLW; }
}  // namespace difference

struct DifferenceRecord {
  std::string name;
  std::string latitudeText;
  std::string longitudeText;
  std::int16_t referencePort = 0;  // location number in the location index
  std::int16_t reserved = 0;       // never set here; written back as read
  std::array<std::string, kDifferenceValueCount> diffText;

  friend bool operator==(const DifferenceRecord&, const DifferenceRecord&) = default;
};

// The one difference table of the run, shared by the main window's list and
// the editor. Only the first N records (the last load, or the editor's count)
// mean anything; a load replaces records 0..N-1 and leaves the rest.
struct DifferenceTable {
  std::array<DifferenceRecord, kMaxDatabaseRecords> records;
  // Set when the editor stores a record; cleared by a successful write and
  // by starting a new database.
  bool differenceDataChanged = false;
};

}  // namespace saltmark
