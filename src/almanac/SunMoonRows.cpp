#include "almanac/SunMoonRows.h"

#include <algorithm>
#include <cmath>

#include "almanac/PortSunMoon.h"
#include "tables/TimeText.h"

namespace saltmark {

std::vector<std::pair<DateTime, std::string>> SunMoonTableRows(const LocationRecord& port, const Settings& settings,
                                                               DateTime start, DateTime end) {
  std::vector<std::pair<DateTime, std::string>> rows;
  if (!(start < end)) return rows;
  // the days the period touches; a period that ends at midnight ends with the day before
  const auto days = static_cast<int>(daysBetween(start.datePart(), end.datePart())) + (end == end.datePart() ? 0 : 1);
  for (const SunMoonDay& day : PortSunMoonDays(port, settings, start, days)) {
    const DateTime dayStart = std::max(day.date, start);
    if (!day.sunrise) rows.emplace_back(dayStart, "      " + FormatDate(day.date) + "  no sunrise");
    if (!day.sunset) rows.emplace_back(dayStart, "      " + FormatDate(day.date) + "  no sunset");
    for (const SkyEvent& event : day.events) {
      if (event.gmt < start || end < event.gmt) continue;
      rows.emplace_back(event.gmt, FormatTimeDate(NearestMinute(event.gmt)) + "  " + std::string(SkyEventCaption(event.kind)));
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return rows;
}

}  // namespace saltmark
