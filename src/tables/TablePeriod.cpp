#include "tables/TablePeriod.h"

#include <cmath>

namespace saltmark {

namespace {

std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

constexpr std::int64_t kMillisecondsPerHour = 3600 * 1000;

}  // namespace

std::int64_t hourBoundariesBetween(DateTime a, DateTime b) {
  return floorDivide(b.linearMilliseconds(), kMillisecondsPerHour) -
         floorDivide(a.linearMilliseconds(), kMillisecondsPerHour);
}

std::int64_t SixMinuteStepCount(DateTime start, DateTime end) { return 10 * hourBoundariesBetween(start, end); }

std::int64_t IntervalStepCount(DateTime start, DateTime end, double intervalMinutes) {
  const double steps = static_cast<double>(minutesBetween(start, end)) / intervalMinutes;
  return static_cast<std::int64_t>(std::nearbyint(steps));  // halves to even
}

}  // namespace saltmark
