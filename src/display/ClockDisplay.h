#pragma once
// The clocks of the once-a-second refresh. The computer's clock runs in the
// system zone; the zone offsets count quarter-hours, positive west, so
//   GMT   = clock + 15 x system offset minutes
//   local = GMT   - 15 x local offset minutes.
// The minute counts are 16-bit: an offset whose fifteen-fold leaves the
// 16-bit range (beyond 2184 quarter-hours) cannot be shown and raises the
// overflow error; the zone buttons therefore never step past that limit.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/DateTime.h"
#include "data/Settings.h"

namespace saltmark {

struct ClockInstants {
  DateTime clock;  // the computer's reading, in the system zone
  DateTime gmt;
  DateTime local;
};

// Throws RuntimeError(errc::kOverflow) for an offset beyond the limit.
ClockInstants ClockInstantsAt(DateTime clock, const Settings& settings);

// The instant of the chosen time base (0 GMT, 1 local, 2 the computer's own);
// any other value (a damaged configuration) counts as GMT.
DateTime InstantInTimeBase(const ClockInstants& instants, std::int16_t timeBase);

// The main window's zone label DZone: blank-signed 00:00 for GMT, else the
// offset of the chosen base.
std::string ZoneLabelText(const Settings& settings);

// The texts of the Zones dialog's clocks.
struct ZonesClockTexts {
  std::string syszone, loczone;
  std::string dostime, gmttime, loctime;
  std::string dosdate, gmtdate, locdate;
};
ZonesClockTexts ZonesTexts(const ClockInstants& instants, const Settings& settings);

// The Zones dialog's buttons: each moves the local and/or the system offset
// by one quarter-hour.
struct ZoneStep {
  int local = 0;
  int system = 0;
};
// Command1/Command14 local -1, Command3/Command13 local +1, Command10 system
// +1, Command12 system -1, Command2 both +1, Command4 both -1.
std::optional<ZoneStep> ZoneButtonStep(std::string_view buttonName);

// Moves the offsets; when either would pass the limit nothing changes and
// false is returned. A step back toward the limit is always taken.
bool ApplyZoneStep(Settings& settings, ZoneStep step);

// The local offset that follows a port's zone (hours, positive west):
// CInt(Val(zone) x 4). Throws RuntimeError(errc::kOverflow) beyond 16 bits.
std::int16_t PortZoneQuarters(std::string_view portZone);

}  // namespace saltmark
