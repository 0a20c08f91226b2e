#pragma once
// One location's monthly web page: every high and low water of the month in
// a grid of days, R rows by C = 31 / R columns (rounded halves to even).
//
// Events are grouped by calendar day in order (days without events take no
// place; at most 101 days and 21 events a day are kept). Row block r shows
// the days d = c x R + r of columns c; each of its table lines holds one
// event slot of those days (day number on the first, the weekday's first two
// letters on the second, time "hhmm" and height on every one), and the
// block ends with a line without events. A page of more than one column that
// needs more than 36 table lines is rebuilt as one column of as many rows as
// there are days with events.
//
// The page is one line of bytes, with no line break, and every text from a
// data file is escaped (EscapeHtml).
#include <string>
#include <string_view>
#include <vector>

#include "common/DateTime.h"
#include "data/Settings.h"
#include "publisher/MonthEvents.h"

namespace saltmark {

inline constexpr std::size_t kMaxPageDays = 101;
inline constexpr std::size_t kMaxEventsPerDay = 21;
inline constexpr int kMaxLinesInColumns = 36;

struct PlacePageOptions {
  DateTime start;
  std::string portName;
  std::string positionText;
  std::string zoneName;  // the display time zone's name
  std::int32_t rows = 31;  // web_rows, at least 1
  std::string fontFace = "Arial";
};

std::string FormatDayOfMonth(DateTime instant);  // "5"
std::string FormatWeekday2(DateTime instant);    // "Mo", "Tu", ...

// The events of each day with events, in order, within the limits above.
std::vector<std::vector<MonthEvent>> GroupEventsByDay(const std::vector<MonthEvent>& events);

// The grid's shape actually used, for callers and tests.
struct PlacePageLayout {
  std::int32_t rows = 0;
  std::int32_t columns = 0;
  int tableLines = 0;
};

// Heights are FormatHeight1 in the current unit, and the page says "Heights
// in meters" or "Heights in feet" accordingly.
std::string BuildPlacePage(const std::vector<MonthEvent>& events, const PlacePageOptions& options,
                           const Settings& settings, PlacePageLayout* layout = nullptr);

}  // namespace saltmark
