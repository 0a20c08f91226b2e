#include "publisher/PlacePage.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "common/VbNumbers.h"
#include "publisher/HtmlText.h"
#include "publisher/WebCredit.h"
#include "tables/HeightText.h"
#include "tables/TimeText.h"

namespace saltmark {

namespace {

// The civil fields as the times are shown: to the nearest second.
CivilDateTime shownCivil(DateTime instant) {
  const std::int64_t ms = instant.linearMilliseconds();
  const std::int64_t rounded = (ms >= 0 ? ms + 500 : ms - 499) / 1000 * 1000;
  return DateTime::fromLinearMilliseconds(rounded).civil();
}

bool sameDay(DateTime a, DateTime b) {
  const CivilDateTime x = shownCivil(a), y = shownCivil(b);
  return x.year == y.year && x.month == y.month && x.day == y.day;
}

std::string timeHHMM(DateTime instant) {
  std::string text = FormatTimeHM(instant);  // "hh:nn"
  text.erase(2, 1);
  return text;
}

class PageBuilder {
 public:
  PageBuilder(const std::vector<std::vector<MonthEvent>>& days, const PlacePageOptions& o, const Settings& s)
      : days_(days), o_(o), s_(s), font_(EscapeHtml(o.fontFace)) {}

  // False when the grid was abandoned by the 36-line rule.
  bool build(std::int32_t rows, std::int32_t columns) {
    html_.ClearHtml();
    lines_ = 0;
    const std::string name = EscapeHtml(o_.portName);
    html_.AppendHtml("<html>");
    html_.AppendHtml("<head>");
    html_.AppendHtml("<meta NAME=!Keywords! CONTENT=!tide,table,tidal,prediction!>");
    html_.AppendHtml("<meta NAME=!Description! CONTENT=!Tide Tables: " + name + "!>");
    html_.AppendHtml("<title>" + name + "</title>");
    html_.AppendHtml("</head><body><h1>TIDE TABLES:&nbsp;" + name);
    html_.AppendHtml("<font face=!" + font_ + "! size=!1!><br>");
    html_.AppendHtml("TIME ZONE:" + EscapeHtml(o_.zoneName) + " " + EscapeHtml(o_.positionText) +
                     "&nbsp;&nbsp;Saltmark tidal predictions<br>");
    html_.AppendHtml(s_.metric() ? "Heights in meters<br>" : "Heights in feet<br>");
    html_.AppendHtml("Predicted by <a href=!" + std::string(kMakerWebAddress) +
                     "!>Saltmark</a>, not for navigation</h1></font>");
    html_.AppendHtml("<p><font face=!" + font_ + "! size=!2!><strong>" + FormatDate(o_.start) +
                     "</strong></font></p>");
    html_.AppendHtml("<p><font face=!" + font_ + "! size=!2!>");
    html_.AppendHtml("<table border=!0!>");
    for (std::int32_t r = 0; r < rows; ++r) {
      for (std::size_t slot = 0;; ++slot) {
        if (columns != 1 && lines_ > kMaxLinesInColumns) return false;
        if (!tableLine(rows, columns, r, slot)) break;
      }
    }
    html_.AppendHtml("</table>");
    html_.AppendHtml("</font>");
    html_.AppendHtml("</body>");
    html_.AppendHtml("</html>");
    return true;
  }

  const std::string& text() const { return html_.text(); }
  int lines() const { return lines_; }

 private:
  const MonthEvent* event(std::size_t day, std::size_t slot) const {
    if (day >= days_.size() || slot >= days_[day].size()) return nullptr;
    return &days_[day][slot];
  }

  void cell(const std::string& content) {
    html_.AppendHtml("<td><font face=!" + font_ + "! size=!2!>" + content + "</font></td>");
  }

  // Writes one table line; true when it held at least one event.
  bool tableLine(std::int32_t rows, std::int32_t columns, std::int32_t r, std::size_t slot) {
    bool any = false;
    html_.AppendHtml("<tr>");
    for (std::int32_t c = 0; c < columns; ++c) {
      const auto day = static_cast<std::size_t>(c) * static_cast<std::size_t>(rows) + static_cast<std::size_t>(r);
      const MonthEvent* e = event(day, slot);
      std::string dayCell;
      if (slot == 0 && e) dayCell = "<strong>" + FormatDayOfMonth(e->time) + "</strong>";
      if (slot == 1 && e) dayCell = "<strong>" + FormatWeekday2(e->time) + "</strong>";
      cell(dayCell);
      const bool untimed = e && e->label.rfind("no ", 0) == 0;  // "no sunrise"
      cell(e && !untimed ? timeHHMM(e->time) : std::string());
      cell(e ? (e->label.empty() ? FormatHeight1(e->height, s_) : e->label) : std::string());
      if (c != columns - 1) html_.AppendHtml("<td>&nbsp&nbsp;</td>");
      any = any || e;
    }
    html_.AppendHtml("</tr>");
    ++lines_;
    return any;
  }

  const std::vector<std::vector<MonthEvent>>& days_;
  const PlacePageOptions& o_;
  const Settings& s_;
  std::string font_;
  HtmlBuffer html_;
  int lines_ = 0;
};

}  // namespace

std::string FormatDayOfMonth(DateTime instant) { return std::to_string(shownCivil(instant).day); }

std::string FormatWeekday2(DateTime instant) {
  static constexpr const char* kNames[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
  const CivilDateTime c = shownCivil(instant);
  const std::chrono::weekday weekday{std::chrono::sys_days{std::chrono::year{c.year} / c.month / c.day}};
  return kNames[weekday.c_encoding()];
}

std::vector<std::vector<MonthEvent>> GroupEventsByDay(const std::vector<MonthEvent>& events) {
  std::vector<std::vector<MonthEvent>> days;
  for (const MonthEvent& e : events) {
    if (days.empty() || !sameDay(days.back().back().time, e.time)) {
      if (days.size() == kMaxPageDays) break;
      days.emplace_back();
    }
    if (days.back().size() == kMaxEventsPerDay) break;  // a 22nd slot ends the grouping
    days.back().push_back(e);
  }
  return days;
}

std::string BuildPlacePage(const std::vector<MonthEvent>& events, const PlacePageOptions& options,
                           const Settings& settings, PlacePageLayout* layout) {
  const auto days = GroupEventsByDay(events);
  std::int32_t rows = options.rows < 1 ? 1 : options.rows;
  std::int32_t columns = CLng(31.0 / rows);
  // Enough columns for every day with events: 31 / R rounded may fall short
  // (R = 10 gives 3 columns, 30 days), and a month from midday spans 32 dates.
  const auto needed = static_cast<std::int32_t>((days.size() + static_cast<std::size_t>(rows) - 1) /
                                                static_cast<std::size_t>(rows));
  columns = std::max(columns, needed);
  PageBuilder builder(days, options, settings);
  if (!builder.build(rows, columns)) {
    columns = 1;
    rows = static_cast<std::int32_t>(days.size());
    builder.build(rows, columns);
  }
  if (layout) *layout = {rows, columns, builder.lines()};
  return builder.text();
}

}  // namespace saltmark
