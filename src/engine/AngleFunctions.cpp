#include "engine/AngleFunctions.h"

#include <cmath>

#include "common/VbNumbers.h"

namespace saltmark {

double FoldAngle(float degrees) {
  const double turns = static_cast<double>(degrees) / 360;
  return (Int(turns) + 0.5 - turns) * 360;
}

double VectorLength(double x, double y) { return std::sqrt(x * x + y * y); }

}  // namespace saltmark
