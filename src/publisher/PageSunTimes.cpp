#include "publisher/PageSunTimes.h"

#include "almanac/PortSunMoon.h"

namespace saltmark {

std::vector<MonthEvent> WithSunriseAndSunset(const std::vector<MonthEvent>& events, const LocationRecord& port,
                                             const Settings& settings, DateTime start) {
  const DateTime end = AddCalendarMonth(start);
  const auto days = static_cast<int>(daysBetween(start.datePart(), end.datePart())) + (end == end.datePart() ? 0 : 1);
  std::vector<MonthEvent> merged;
  merged.reserve(events.size() + 2 * static_cast<std::size_t>(days));
  auto next = events.begin();
  for (const SunMoonDay& day : PortSunMoonDays(port, settings, start, days)) {
    const DateTime dayEnd = day.date.addDays(1);
    for (; next != events.end() && next->time < dayEnd; ++next) merged.push_back(*next);
    const DateTime marker = day.date < start ? start : day.date;
    if (!day.sunrise) merged.push_back({marker, 0, std::string(kNoSunrise)});
    if (!day.sunset) merged.push_back({marker, 0, std::string(kNoSunset)});
    for (const SkyEvent& e : day.events)
      if (e.kind == SkyEventKind::Sunrise || e.kind == SkyEventKind::Sunset)
        merged.push_back({NearestMinute(e.gmt), 0, std::string(SkyEventCaption(e.kind))});
  }
  merged.insert(merged.end(), next, events.end());
  return merged;
}

}  // namespace saltmark
