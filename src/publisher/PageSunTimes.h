#pragma once
// Sunrise and sunset for the monthly web page: each day of the month gets
// them as two more entries under its high and low waters ("0712 Sunrise",
// "1602 Sunset"); a day without one says "no sunrise" or "no sunset".
#include <vector>

#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "publisher/MonthEvents.h"

namespace saltmark {

// The month's events from `start` (one calendar month) with each day's
// sunrise and sunset after its waters, in the display time base.
std::vector<MonthEvent> WithSunriseAndSunset(const std::vector<MonthEvent>& events, const LocationRecord& port,
                                             const Settings& settings, DateTime start);

}  // namespace saltmark
