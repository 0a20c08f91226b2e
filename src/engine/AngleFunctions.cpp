#include "engine/AngleFunctions.h"

#include <cmath>

#include "common/VbNumbers.h"
#include "engine/Arctangent.h"

namespace saltmark {

double FoldAngle(float degrees) {
  const double turns = static_cast<double>(degrees) / 360;
  return (Int(turns) + 0.5 - turns) * 360;
}

namespace {

double ratioOrZero(double y, double x) { return x != 0 ? y / x : 0; }

// The angle of (x, y) from the arctangent of y/x, worked out already.
double fullCircleAngle(double y, double x, double arctangentOfRatio) {
  if (x > 0) return y >= 0 ? arctangentOfRatio : arctangentOfRatio + kTwoPi;
  if (x < 0) return arctangentOfRatio + kPi;
  // On the north-south axis: straight up or straight down.
  if (y > 0) return kPi / 2;
  if (y < 0) return 3 * kPi / 2;
  return 0;
}

}  // namespace

double FullCircleArctan(double y, double x) { return fullCircleAngle(y, x, Arctangent(ratioOrZero(y, x))); }

std::array<double, 4> FullCircleArctanEach(const std::array<double, 4>& y, const std::array<double, 4>& x) {
  std::array<double, 4> ratio, angle;
  for (std::size_t i = 0; i < 4; ++i) ratio[i] = ratioOrZero(y[i], x[i]);
  ArctangentEach(ratio, angle);
  for (std::size_t i = 0; i < 4; ++i) angle[i] = fullCircleAngle(y[i], x[i], angle[i]);
  return angle;
}

double VectorLength(double x, double y) { return std::sqrt(x * x + y * y); }

}  // namespace saltmark
