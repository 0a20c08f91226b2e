#pragma once
// The engine works in each port's own time base: the zone its phase lags
// refer to. Every instant the user gives (typed in the main window's time
// base: GMT, the local zone or the computer's own zone) is moved there before
// a height or stream is computed; tables and graphs keep showing the
// unshifted instant.
//
// Zone offsets count quarter-hours, positive west: GMT = zone time + offset.
// The port's zone is in hours, positive west: port time = GMT - zone.
// So the shift, in quarter-hours, is
//   GMT base     -4 x port zone
//   Local base   local offset  - 4 x port zone
//   System base  system offset - 4 x port zone
// rounded to a whole quarter-hour count (halves to even); a count beyond the
// 16-bit range raises RuntimeError(kOverflow). A time base outside 0..2 (a
// damaged settings file) is treated as GMT.
#include <cstdint>
#include <string_view>

#include "common/DateTime.h"
#include "data/Settings.h"

namespace saltmark {

// The shift in quarter-hours for the settings' time base; portZone is the
// location record's zone text (hours), read by its leading number.
std::int16_t DisplayZoneShiftQuarters(const Settings& settings, std::string_view portZone);

// The display instant moved into the port's time base.
DateTime ShiftToDisplayZone(DateTime instant, const Settings& settings, std::string_view portZone);

}  // namespace saltmark
