#include "tables/WaterDetectors.h"

#include <limits>

#include "common/RuntimeError.h"

namespace saltmark {

void WaterEventCounter::add() {
  if (count_ == std::numeric_limits<std::int32_t>::max()) throw RuntimeError(errc::kOverflow);
  ++count_;
}

bool IsHighWater5(float a, float b, float c, float d, float e, WaterEventCounter& counter) {
  const bool high = a <= b && b <= c && c > d && d >= e;
  if (high) counter.add();
  return high;
}

bool IsLowWater5(float a, float b, float c, float d, float e, WaterEventCounter& counter) {
  const bool low = a >= b && b >= c && c < d && d <= e;
  if (low) counter.add();
  return low;
}

}  // namespace saltmark
