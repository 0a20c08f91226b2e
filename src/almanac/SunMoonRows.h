#pragma once
// Sun and moon as rows of the tide table, "07:12 05 Dec 2026  Sunrise": the
// time to the nearest minute, then the date, two blanks and the event. A day
// of the period without a sunrise (polar night, midnight sun, or a port
// whose position cannot be used) has the row "      05 Dec 2026  no
// sunrise", and the same for the sunset, placed at the start of that day.
#include <string>
#include <utility>
#include <vector>

#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"

namespace saltmark {

// The rows from `start` to `end` (display time base, both included), in time order.
std::vector<std::pair<DateTime, std::string>> SunMoonTableRows(const LocationRecord& port, const Settings& settings,
                                                               DateTime start, DateTime end);

}  // namespace saltmark
