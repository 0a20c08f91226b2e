#include "graphs/GraphModel.h"

#include <algorithm>
#include <cmath>

#include "common/NumberFormat.h"
#include "common/VbNumbers.h"
#include "tables/TimeText.h"

namespace saltmark {

namespace {

constexpr double kMinimumPlotDays = 1.0;
constexpr double kMaximumPlotDays = 50.0;
constexpr std::int64_t kMillisecondsPerThreeHours = 3LL * 3600 * 1000;
constexpr double kSecondsPerPeriod = 3 * 3600.0;

std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

double PlotDurationDays(std::string_view plotDuration) {
  const double days = Val(plotDuration);
  if (!(days >= kMinimumPlotDays)) return kMinimumPlotDays;
  if (days > kMaximumPlotDays) return kMaximumPlotDays;
  return std::max(kMinimumPlotDays, static_cast<double>(CLng(days)));
}

std::string ClampPlotDurationText(std::string_view typed) {
  const double days = Val(typed);
  if (!(days > kMinimumPlotDays)) return "1";
  if (days >= kMaximumPlotDays) return "50";
  return PlotDurationText(typed);
}

std::string PlotDurationText(std::string_view plotDuration) {
  return std::to_string(static_cast<int>(PlotDurationDays(plotDuration)));
}

std::int16_t TimeToGraphX(const GraphGrid& grid, DateTime instant) {
  const double seconds = static_cast<double>(secondsBetween(grid.origin, instant));
  return CInt(seconds * kGraphColumns / (PlotDurationDays(grid.plotDuration) * 86400.0));
}

DateTime GraphXToTime(const GraphGrid& grid, double x) {
  return grid.origin.addSeconds(x * PlotDurationDays(grid.plotDuration) * 3600 * 24 / kGraphColumns);
}

std::string GraphXToTimeText(const GraphGrid& grid, double x) {
  return FormatTimeDate(GraphXToTime(grid, x));
}

std::int32_t GraphPeriodCount(std::string_view plotDuration) {
  return CLng(PlotDurationDays(plotDuration) * 8);
}

std::int32_t GraticuleStep(std::int32_t periodCount) {
  for (int k = 0; k <= 10; ++k) {
    const std::int32_t step = std::int32_t{1} << k;
    if (periodCount < 10 * step) return step;
  }
  return 1024;
}

DateTime ComputeGraphOrigin(DateTime start, std::string_view plotDuration, bool fromMidnight) {
  if (fromMidnight) return start.datePart();
  // Rounded on the millisecond line rather than the raw serial, so that a
  // start exactly on a boundary stays on it.
  const std::int64_t block = GraticuleStep(GraphPeriodCount(plotDuration)) * kMillisecondsPerThreeHours;
  return DateTime::fromLinearMilliseconds(floorDivide(start.linearMilliseconds(), block) * block);
}

std::int32_t SecondsPerColumn(std::string_view plotDuration) {
  return CLng(PlotDurationDays(plotDuration) * 86400.0 / kGraphColumns);
}

DateTime ColumnInstant(DateTime engineOrigin, int x, std::int32_t secondsPerColumn) {
  return engineOrigin.addSeconds(static_cast<double>(x) * secondsPerColumn);
}

std::vector<TimeGraticuleLine> TimeGraticule(const GraphGrid& grid) {
  const std::int32_t periods = GraphPeriodCount(grid.plotDuration);
  const std::int32_t step = GraticuleStep(periods);
  std::vector<TimeGraticuleLine> lines;
  for (int k = 1; k <= 9; ++k) {
    const double x = static_cast<double>(k) * step * kGraphColumns / periods;
    // The line's own instant: rounding x to a column first would put a
    // day's line two minutes before its midnight and label the day before.
    const CivilDateTime when = grid.origin.addSeconds(static_cast<double>(k) * step * kSecondsPerPeriod).civil();
    std::string label;
    if (periods <= 32)
      label = FormatNumberPoint(when.hour, "00") + ":00";
    else
      label = std::to_string(when.day) + "/" + std::to_string(when.month);
    lines.push_back({x, std::move(label)});
  }
  return lines;
}

int ClampCursorColumn(double x) {
  if (!(x > 0)) return 0;
  if (x > kLastCursorColumn) return kLastCursorColumn;
  return CInt(x);
}

bool IsNearCursor(double cursor, double x) { return cursor - 10 < x && x < cursor + 10; }

bool ZoomControl::ZoomIn() {
  if (level_ >= 5) return false;
  ++level_;
  return true;
}

bool ZoomControl::ZoomOut() {
  if (level_ <= 0) return false;
  --level_;
  return true;
}

std::vector<ValueGraticuleLine> ValueGraticule(const VerticalScale& scale, std::string_view pattern) {
  std::vector<ValueGraticuleLine> lines;
  if (!(scale.step > 0) || !(scale.top >= scale.bottom)) return lines;
  const long count = std::lround((scale.top - scale.bottom) / scale.step);
  for (long j = 0; j <= count; ++j) {
    // Each value from its index, rounded to a millionth, so that steps of
    // 0.2 do not drift and zero is exactly zero.
    const double value = std::round((scale.bottom + j * scale.step) * 1e6) / 1e6;
    ValueGraticuleLine line{value, std::nullopt};
    if (j != 0 && j != count) line.label = FormatNumberPoint(value, pattern);
    lines.push_back(std::move(line));
  }
  return lines;
}

bool IsWholeStep(double step) { return std::abs(step - std::round(step)) < 1e-9; }

}  // namespace saltmark
