#pragma once
// The settings record: every user choice that survives a restart. Loaded from
// SALTMARK.CFG at start-up, read and changed directly by every window, and
// written back on exit when the user agrees. Fields are in file order.
#include <cstdint>
#include <string>

#include "common/Version.h"

namespace saltmark {

// Stored booleans are 16-bit: -1 true, 0 false.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;
inline bool isTrue(std::int16_t flag) { return flag != 0; }
inline std::int16_t toFlag(bool value) { return value ? kTrue : kFalse; }

// The largest zone offset, either way, whose minute count fits 16 bits.
inline constexpr int kMaxZoneOffsetQuarters = 2184;

enum class TimeBase : std::int16_t { Gmt = 0, Local = 1, System = 2 };

struct Settings {
  std::string versionText{kVersionString};  // 1
  std::string tideDatabasePath;              // 2
  std::string locationName;                  // 3
  std::int16_t timeBase = 0;                 // 4: 0 GMT, 1 Local, 2 System
  std::int16_t systemZoneOffset = 0;         // 5: quarter-hours, positive west
  std::int16_t localZoneOffset = 0;          // 6: quarter-hours, positive west
  float draught = 0;                         // 7
  float chartedDepth = 0;                    // 8
  float chainOnBoard = 0;                    // 9
  float ropeOnBoard = 0;                     // 10
  std::string chainMultiplier = "4";         // 11
  std::string ropeMultiplier = "6";          // 12
  std::int16_t colourDisplay = kTrue;        // 13
  std::string vesselName;                    // 14
  std::int16_t metricUnits = kTrue;          // 15
  std::int16_t useClock = 0;                 // 16
  std::string findLatitude;                  // 17
  std::string findLongitude;                 // 18
  std::int16_t autoLocalZone = 1;            // 19
  std::string graphDays = "1";               // 20
  std::int16_t graphSwitch1 = kTrue;         // 21: time graticule
  std::int16_t graphSwitch2 = kTrue;         // 22: graphs start from midnight
  std::int16_t graphSwitch3 = kTrue;         // 23: passage lines
  std::string findDistance = "20.0";         // 24
  float echoSounderOffset = 0;               // 25
  std::int16_t portMode = 0;                 // 26: 0 heights, 1 streams, 2 differences, 3 publisher
  std::string streamDatabasePath;            // 27
  std::int16_t speedUnits = 0;               // 28: 0 knots, 1 mph, 2 km/h, 3 m/s
  std::string differenceDatabasePath;        // 29: kept by setDefaultSettings

  bool metric() const { return isTrue(metricUnits); }

  friend bool operator==(const Settings&, const Settings&) = default;
};

// Fields 1-28 back to their defaults; the difference database path stays.
void setDefaultSettings(Settings& settings);

}  // namespace saltmark
