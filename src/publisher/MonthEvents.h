#pragma once
// The high and low waters of one month for a web page: sampled every six
// minutes from the start for one calendar month (the end not sampled) and
// found with the five-sample detectors, as in the tide table. High and low
// waters are not told apart: a page shows each event's time and height.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/DateTime.h"
#include "data/Settings.h"
#include "tables/HeightSource.h"
#include "tables/JobProgress.h"
#include "tables/WaterDetectors.h"

namespace saltmark {

inline constexpr std::size_t kMaxMonthEvents = 1001;  // later events are not kept

struct MonthEvent {
  DateTime time;
  float height = 0;
  // Empty for a high or low water; else the text shown in place of the
  // height ("Sunrise", "Sunset"; "no sunrise" also leaves the time empty).
  std::string label = {};
};

// The same day and time one calendar month later; a day that the next month
// lacks becomes its last day (31 January gives 28 or 29 February).
DateTime AddCalendarMonth(DateTime instant);

struct MonthEventsResult {
  JobOutcome outcome = JobOutcome::Completed;
  std::vector<MonthEvent> events;
};

// Samples are moved into the port's time base with ShiftToDisplayZone; events
// carry the unshifted time. Cancelled runs return no events.
MonthEventsResult CollectMonthEvents(DateTime start, TideHeightSource& heights, const Settings& settings,
                                     std::string_view portZone, JobProgress& progress, WaterEventCounter& counter);

}  // namespace saltmark
