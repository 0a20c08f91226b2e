#pragma once
// The sampling of a table period. Listings that look for events step every
// six minutes: n = 10 x (hour boundaries between start and end) steps, with
// samples at start + 6 i minutes for i = 0..n (both ends included). Regular
// interval listings take n = (minutes between start and end) / interval
// steps, rounded halves to even.
#include <cstdint>

#include "common/DateTime.h"

namespace saltmark {

inline constexpr double kEventStepMinutes = 6.0;

// Hour boundaries crossed from a to b (negative when b is earlier).
std::int64_t hourBoundariesBetween(DateTime a, DateTime b);

std::int64_t SixMinuteStepCount(DateTime start, DateTime end);
// interval must be positive.
std::int64_t IntervalStepCount(DateTime start, DateTime end, double intervalMinutes);

}  // namespace saltmark
