#pragma once
// The information display for use on watch: the present tidal height and
// under-keel clearance, refreshed by the clock every second, and the alarm
// that beeps while the clearance is below the level the mariner set.
//
//   present clearance = present height + (charted depth - draught)
// with the offset taken when the tide graph opened the display. The alarm
// sounds on every tick while level > clearance; a clearance exactly at the
// level is enough and stays silent.
#include <string>
#include <string_view>

#include "data/DifferenceRecord.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"

namespace saltmark {

inline constexpr std::string_view kInformationNeedsClock =
    "The Information Display requires continuous updates. To use this option please \r"
    "1. Click on Exit and \r"
    "2. Click the Use Clock checkbox on the main control panel";
inline constexpr std::string_view kAlarmNeedsClock = "Alarm option requires Now to be checked on main control window";

// The place the display names: the secondary port when heights are worked
// at one (secondary is its difference record, else null), otherwise the
// selected port; the position is the latitude, a blank and the longitude.
struct InformationPlace {
  std::string location;  // Location
  std::string position;  // Position
};
InformationPlace InformationPlaceFor(const LocationRecord& port, const DifferenceRecord* secondary);

// The offset the tide graph hands over: charted depth - draught.
float ClearanceOffset(const Settings& settings);

struct PresentTide {
  float height = 0;
  float clearance = 0;
  std::string I_Tide;  // FormatHeight2(height)
  std::string I_UKC;   // FormatHeight2(clearance)
};
PresentTide PresentTideAt(float height, float clearanceOffset, const Settings& settings);

// Both values in single precision, as shown and as typed.
bool ClearanceAlarmSounds(float alarmLevel, float clearance);

}  // namespace saltmark
