#pragma once
// Sun and moon for the selected port, in the time base the user reads the
// tide in: the port's position comes from its latitude and longitude texts,
// and every event is moved from GMT into the display time base (the inverse
// of the shift the tide heights take).
//
// A port without a usable position (a blank latitude or longitude text, a
// latitude beyond the pole) has no sunrise or sunset; the days of a listing
// then say "no sunrise" and "no sunset", as they do on a polar day or night.
#include <optional>
#include <string>
#include <vector>

#include "almanac/SunMoon.h"
#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"

namespace saltmark {

inline constexpr std::string_view kNoSunrise = "no sunrise";
inline constexpr std::string_view kNoSunset = "no sunset";

std::optional<SkyPosition> PortSkyPosition(const LocationRecord& port);

// Minutes to add to a display instant to make it GMT.
double DisplayToGmtMinutes(const Settings& settings, std::string_view portZone);

// The events from `from` to `to` (display time base, `to` excluded), their
// instants in the display time base.
std::vector<SkyEvent> PortSunMoonEvents(const LocationRecord& port, const Settings& settings, DateTime from,
                                        DateTime to);

// One day of a listing, midnight to midnight in the display time base.
struct SunMoonDay {
  DateTime date;
  std::vector<SkyEvent> events;  // display time base, in time order
  bool sunrise = false;          // false: the day says "no sunrise"
  bool sunset = false;
};

// `days` whole days from the date of `start`.
std::vector<SunMoonDay> PortSunMoonDays(const LocationRecord& port, const Settings& settings, DateTime start,
                                        int days);

// The instant to the nearest minute, as almanacs list them.
DateTime NearestMinute(DateTime instant);

}  // namespace saltmark
