#pragma once
// A stream station (tidal diamond) as the user's stream database holds it:
// its name and position texts, the reference port whose high water times it,
// the unit its rates were entered in, and for each of the thirteen hours from
// six before to six after high water the set (whole degrees) and the spring
// and neap rates (hundredths of the unit).
#include <array>
#include <cstdint>
#include <string>

#include "data/RecordFile.h"

namespace saltmark {

// Entry j of the hourly arrays is hour j - 6 relative to high water; entry 6 is "HW".
inline constexpr int kStreamHours = 13;
inline constexpr int kStreamHighWaterHour = 6;

// speedUnits: the position in the editor's "Speed Units" list.
inline constexpr int kSpeedUnitCount = 4;
inline constexpr std::array<const char*, kSpeedUnitCount> kSpeedUnitNames = {"knots", "miles / hr", "km / hour",
                                                                             "meters / sec"};

struct StreamRecord {
  std::string name;
  std::string latitudeText;
  std::string longitudeText;
  std::int16_t referencePort = 0;  // location number in the location index
  std::int16_t speedUnits = 0;     // 0 knots, 1 miles / hr, 2 km / hour, 3 meters / sec
  std::array<std::int16_t, kStreamHours> direction{};   // 0..359
  std::array<std::int16_t, kStreamHours> springRate{};  // hundredths of the unit
  std::array<std::int16_t, kStreamHours> neapRate{};    // hundredths of the unit

  friend bool operator==(const StreamRecord&, const StreamRecord&) = default;
};

// The one stream table of the run, shared by the main window's list and the
// editor; a load replaces records 0..N-1 and leaves the rest.
struct StreamTable {
  std::array<StreamRecord, kMaxDatabaseRecords> records;
  // Set when the editor stores a record; cleared by a successful write and
  // by starting a new database.
  bool streamDataChanged = false;
};

}  // namespace saltmark
