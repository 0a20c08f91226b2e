#include "engine/AngleFunctions.h"

#include <cmath>

#include "common/VbNumbers.h"

namespace saltmark {

double FoldAngle(float degrees) {
  const double turns = static_cast<double>(degrees) / 360;
  return (Int(turns) + 0.5 - turns) * 360;
}

double FullCircleArctan(double y, double x) {
  if (x > 0) return y >= 0 ? std::atan(y / x) : std::atan(y / x) + kTwoPi;
  if (x < 0) return std::atan(y / x) + kPi;
  // On the north-south axis: straight up or straight down.
  if (y > 0) return kPi / 2;
  if (y < 0) return 3 * kPi / 2;
  return 0;
}

double VectorLength(double x, double y) { return std::sqrt(x * x + y * y); }

}  // namespace saltmark
