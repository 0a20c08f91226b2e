#pragma once
// The column grid that both graphs share. A graph spans the plot duration
// (one to fifty days) in 960 columns; column x stands for the instant
//   origin + x * duration / 960,
// and value arrays hold 961 entries (0..960), of which the engine fills
// 0..959. The origin is the instant at column 0 in the user's time base; the
// engine samples from the same instant moved into the port's time base.
//
// The plot duration is a whole number of days: the engine samples 90 seconds
// per column for each day, and the mapping between instants and columns uses
// the same days, so every time read off a graph is the time its column was
// computed for. A fractional duration is rounded to whole days (halves to
// even) wherever it is read.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DateTime.h"

namespace saltmark {

inline constexpr int kGraphColumns = 960;
inline constexpr int kGraphValues = kGraphColumns + 1;
inline constexpr int kLastCursorColumn = kGraphColumns - 1;

// The plot duration text (the settings' graphDays) in whole days. The
// duration prompt keeps it between 1 and 50; a stored text outside that range
// (a damaged settings file) is read as the nearer limit, so the grid never
// divides by zero, and a stored fraction as its whole days.
double PlotDurationDays(std::string_view plotDuration);

// The duration prompt's rule for a typed value: 1 or less becomes "1", 50 or
// more becomes "50", anything between becomes its whole days ("2.5" gives
// "2", "3.5" gives "4"), the duration the graph then plots.
std::string ClampPlotDurationText(std::string_view typed);
// The whole days that a stored duration text plots, as the header shows them.
std::string PlotDurationText(std::string_view plotDuration);

struct GraphGrid {
  std::string plotDuration = "1";
  DateTime origin;
};

// The column of an instant, rounded halves to even; instants outside the
// plot give columns outside 0..960. A column beyond the 16-bit range raises
// RuntimeError(kOverflow).
std::int16_t TimeToGraphX(const GraphGrid& grid, DateTime instant);
DateTime GraphXToTime(const GraphGrid& grid, double x);
// FormatTimeDate of GraphXToTime: "hh:nn dd mmm yyyy".
std::string GraphXToTimeText(const GraphGrid& grid, double x);

// The number of three-hour periods plotted, CLng(duration x 8).
std::int32_t GraphPeriodCount(std::string_view plotDuration);
// The time graticule spacing in three-hour periods: the first power of two
// s (1..1024) with periodCount < 10 s, so at most ten graticule steps.
std::int32_t GraticuleStep(std::int32_t periodCount);

// The graph origin for a start instant: the midnight that begins the start
// day when fromMidnight, otherwise the start rounded down to a multiple of
// three graticule-step hours counted from the date-time zero (a one-day plot
// starts on the three-hour boundary at or before the start).
DateTime ComputeGraphOrigin(DateTime start, std::string_view plotDuration, bool fromMidnight);

// The engine's sampling step: whole days x 86400 / 960 seconds.
std::int32_t SecondsPerColumn(std::string_view plotDuration);
// The instant at which the engine computes column x.
DateTime ColumnInstant(DateTime engineOrigin, int x, std::int32_t secondsPerColumn);

// One vertical line of the time graticule, with the label printed beside it.
struct TimeGraticuleLine {
  double x = 0;
  std::string label;
};
// The lines k = 1..9 at x = k * step * 960 / periodCount (those beyond column
// 960 fall outside the picture). Each is labelled with the instant it stands
// for, origin + k * step * 3 hours: the hour as "hh:00" for plots of up to
// four days (32 periods), otherwise the day and month numbers "d/m".
std::vector<TimeGraticuleLine> TimeGraticule(const GraphGrid& grid);

// The cursor stays on the computed columns: x is clamped to 0..959.
int ClampCursorColumn(double x);
// Whether the mouse at column x is close enough to grab the cursor line at
// column cursor (strictly within ten columns either side).
bool IsNearCursor(double cursor, double x);

// The zoom level of a graph window, 0..5, with the enabled state of the two
// menu items.
class ZoomControl {
 public:
  explicit ZoomControl(int level) : level_(level < 0 ? 0 : (level > 5 ? 5 : level)) {}
  int level() const { return level_; }
  // Each returns whether the level changed (and so the graph is redrawn).
  bool ZoomIn();
  bool ZoomOut();
  bool zoomInEnabled() const { return level_ != 5; }
  bool zoomOutEnabled() const { return level_ != 0; }

 private:
  int level_;
};

// A vertical scale: the bottom and top values of the picture and the step of
// the horizontal graticule.
struct VerticalScale {
  double bottom = 0;
  double top = 0;
  double step = 0;
};

// One horizontal graticule line; the bottom and top lines carry no label.
struct ValueGraticuleLine {
  double value = 0;
  std::optional<std::string> label;
};
// Lines from bottom to top in the scale's steps, labelled by the number
// pattern (FormatNumberPoint).
std::vector<ValueGraticuleLine> ValueGraticule(const VerticalScale& scale, std::string_view pattern);

// Whether a graticule step is a whole number, so its labels need no decimals.
bool IsWholeStep(double step);

}  // namespace saltmark
