#include "publisher/MonthEvents.h"

#include <algorithm>
#include <array>

#include "tables/TablePeriod.h"
#include "tables/ZoneShift.h"

namespace saltmark {

DateTime AddCalendarMonth(DateTime instant) {
  const CivilDateTime c = instant.civil();
  const int year = c.month == 12 ? c.year + 1 : c.year;
  const int month = c.month == 12 ? 1 : c.month + 1;
  const int day = std::min(c.day, daysInMonth(year, month));
  const DateTime date = DateTime::fromCivil(year, month, day);
  // The time of day is carried over exactly, milliseconds included.
  return DateTime::fromLinearMilliseconds(date.linearMilliseconds() +
                                          (instant.linearMilliseconds() - instant.datePart().linearMilliseconds()));
}

MonthEventsResult CollectMonthEvents(DateTime start, TideHeightSource& heights, const Settings& settings,
                                     std::string_view portZone, JobProgress& progress, WaterEventCounter& counter) {
  MonthEventsResult result;
  const std::int64_t n = SixMinuteStepCount(start, AddCalendarMonth(start));
  std::array<float, 5> w{};
  for (std::int64_t i = 0; i < n; ++i) {
    if (progress.cancelRequested()) return {JobOutcome::Cancelled, {}};
    progress.DrawProgress(i, n);
    const DateTime t = start.addMinutes(kEventStepMinutes * static_cast<double>(i));
    w = {w[1], w[2], w[3], w[4], heights.heightAt(ShiftToDisplayZone(t, settings, portZone))};
    if (i <= 4) continue;
    const bool low = IsLowWater5(w[0], w[1], w[2], w[3], w[4], counter);
    const bool high = IsHighWater5(w[0], w[1], w[2], w[3], w[4], counter);
    if ((low || high) && result.events.size() < kMaxMonthEvents)
      result.events.push_back({start.addMinutes(kEventStepMinutes * static_cast<double>(i - 2)), w[2]});
  }
  return result;
}

}  // namespace saltmark
