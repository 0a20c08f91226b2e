#include "almanac/PortSunMoon.h"

#include <algorithm>
#include <cmath>

#include "common/VbNumbers.h"
#include "locations/Positions.h"
#include "tables/ZoneShift.h"

namespace saltmark {
namespace {

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::optional<SkyPosition> PortSkyPosition(const LocationRecord& port) {
  if (blank(port.latitudeText) || blank(port.longitudeText)) return std::nullopt;
  return UsableSkyPosition(ParseLatitude(kPositionTemplate, port.latitudeText),
                           ParseLongitude(kPositionTemplate, port.longitudeText));
}

double DisplayToGmtMinutes(const Settings& settings, std::string_view portZone) {
  // display + shift = port time; port time + zone hours = GMT
  return 15.0 * DisplayZoneShiftQuarters(settings, portZone) + 60.0 * Val(portZone);
}

std::vector<SkyEvent> PortSunMoonEvents(const LocationRecord& port, const Settings& settings, DateTime from,
                                        DateTime to) {
  const double toGmt = DisplayToGmtMinutes(settings, port.portZone);
  std::vector<SkyEvent> events = SunMoonEvents(PortSkyPosition(port), from.addMinutes(toGmt), to.addMinutes(toGmt));
  for (SkyEvent& event : events) event.gmt = event.gmt.addMinutes(-toGmt);
  return events;
}

std::vector<SunMoonDay> PortSunMoonDays(const LocationRecord& port, const Settings& settings, DateTime start,
                                        int days) {
  std::vector<SunMoonDay> listing;
  if (days <= 0) return listing;
  const DateTime first = start.datePart();
  const std::vector<SkyEvent> events = PortSunMoonEvents(port, settings, first, first.addDays(days));
  auto next = events.begin();
  for (int d = 0; d < days; ++d) {
    SunMoonDay day;
    day.date = first.addDays(d);
    const DateTime end = day.date.addDays(1);
    for (; next != events.end() && next->gmt < end; ++next) {
      day.events.push_back(*next);
      day.sunrise = day.sunrise || next->kind == SkyEventKind::Sunrise;
      day.sunset = day.sunset || next->kind == SkyEventKind::Sunset;
    }
    listing.push_back(std::move(day));
  }
  return listing;
}

DateTime NearestMinute(DateTime instant) {
  const std::int64_t ms = instant.linearMilliseconds();
  const std::int64_t minute = 60000;
  const std::int64_t floor = ms >= 0 ? ms / minute : -((-ms + minute - 1) / minute);
  return DateTime::fromLinearMilliseconds((ms - floor * minute >= minute / 2 ? floor + 1 : floor) * minute);
}

}  // namespace saltmark
