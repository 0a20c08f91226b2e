#pragma once
// Reading the main window's start date and time boxes into the start instant
// used by graphs, tables, web pages and the live display. The instant is in
// the main window's time base; ShiftToDisplayZone (tables/ZoneShift.h) then
// moves it into the port's own time base for the engine.
//
// Date box (ParseDateBox), leading and trailing blanks ignored, letters in
// any case; day first when the month is a number:
//   "05 Dec 2026", "5 dec 2026", "5 December 2026", "5-Dec-2026"
//   "Dec 5 2026", "December 5, 2026"
//   "5/12/2026", "5-12-2026", "5.12.2026"        (day, month, year)
//   "2026-12-05", "2026/12/5"                     (year first, four digits)
// Month names: the English name or any start of it of three letters or more
// ("Sep", "Sept"). Years have four digits, or two: 00-29 are 2000-2029 and
// 30-99 are 1930-1999. A date that does not exist (31 Apr, 29 Feb 2027) or
// any other text is refused.
//
// Time box (ParseTimeBox), blanks around ignored: "h:m", "hh:mm", "h:m:s",
// "hh:mm:ss" with one or two digits per field ("7:5" is 07:05:00); hours
// 0-23, minutes and seconds 0-59 ("25:00" and "12:60" are refused).
#include <optional>
#include <string_view>

#include "common/DateTime.h"

namespace saltmark {

// The date at midnight, or nullopt when the text is not a date.
std::optional<DateTime> ParseDateBox(std::string_view text);

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int totalSeconds() const { return (hour * 60 + minute) * 60 + second; }
  friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

std::optional<TimeOfDay> ParseTimeBox(std::string_view text);

// Date box plus time box; an empty time box means midnight. nullopt when the
// date is empty or unreadable, or the time is unreadable.
std::optional<DateTime> ReadStartInstant(std::string_view dateText, std::string_view timeText);

}  // namespace saltmark
