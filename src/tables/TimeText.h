#pragma once
// Dates, times and zone offsets as the program shows them. Month names are
// English whatever the locale; hours run 00-23. Times are shown to the
// nearest second, so an instant a hair before a whole minute (left by
// repeated additions) shows as that minute.
//   FormatDate      "dd mmm yyyy"         05 Dec 2026
//   FormatTimeHM    "hh:nn"               14:05
//   FormatTimeHMS   "hh:nn:ss"            14:05:09
//   FormatTimeDate  time, blank, date     14:05 05 Dec 2026
//   FormatTableRow  a table row: date, blank, time, then two columns after tabs
//                   05 Dec 2026 14:05<TAB>1.20<TAB>HIGH
//   FormatZoneOffset quarter-hours (positive west) as sign, hours, minutes:
//                   4 -> "+01:00", -5 -> "-01:15", 0 -> " 00:00"
#include <cstdint>
#include <string>
#include <string_view>

#include "common/DateTime.h"

namespace saltmark {

std::string FormatDate(DateTime instant);
std::string FormatTimeHM(DateTime instant);
std::string FormatTimeHMS(DateTime instant);
std::string FormatTimeDate(DateTime instant);
std::string FormatTableRow(DateTime instant, std::string_view first, std::string_view second);

std::string FormatZoneOffset(std::int16_t quarters);

// "Jan".."Dec" for months 1..12.
const char* MonthAbbreviation(int month);

}  // namespace saltmark
