#include "engine/AngleFunctions.h"

#include <cmath>

#include "common/VbNumbers.h"
#include "engine/Arctangent.h"

namespace saltmark {

double FoldAngle(float degrees) {
  const double turns = static_cast<double>(degrees) / 360;
  return (Int(turns) + 0.5 - turns) * 360;
}

double FullCircleArctan(double y, double x) { return FullCircleAngle(y, x, x != 0 ? Arctangent(y / x) : 0); }

double FullCircleAngle(double y, double x, double arctangentOfRatio) {
  if (x > 0) return y >= 0 ? arctangentOfRatio : arctangentOfRatio + kTwoPi;
  if (x < 0) return arctangentOfRatio + kPi;
  // On the north-south axis: straight up or straight down.
  if (y > 0) return kPi / 2;
  if (y < 0) return 3 * kPi / 2;
  return 0;
}

double VectorLength(double x, double y) { return std::sqrt(x * x + y * y); }

}  // namespace saltmark
