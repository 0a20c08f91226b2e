#pragma once
// High and low waters in a regularly stepped height series, found in a
// window of the five latest samples a..e (oldest first); the event belongs
// to the time of the middle sample c.
//   high water: a <= b <= c > d >= e   (the top of a rise followed by a fall)
//   low water:  a >= b >= c < d <= e
// Level stretches before the turn and after the first step away are allowed.
// Of two equal top (or bottom) samples only the later is reported, since the
// step after c must be strict.
//
// Each event found is counted in the WaterEventCounter the caller holds for
// the run; a count beyond the 32-bit range raises RuntimeError(kOverflow).
#include <cstdint>

namespace saltmark {

class WaterEventCounter {
 public:
  std::int32_t count() const { return count_; }
  void reset() { count_ = 0; }
  void add();

 private:
  std::int32_t count_ = 0;
};

bool IsHighWater5(float a, float b, float c, float d, float e, WaterEventCounter& counter);
bool IsLowWater5(float a, float b, float c, float d, float e, WaterEventCounter& counter);

}  // namespace saltmark
