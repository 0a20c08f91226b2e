#pragma once
// Small angle helpers shared by the tide and stream predictions.
#include "engine/Arctangent.h"  // FullCircleArctan, the angle of a vector

namespace saltmark {

// 180 minus the angle reduced to 0 <= a < 360, so the result lies in
// (-180, 180]: 0 at 180 degrees, 180 at 0 or 360, -179 at 359.
double FoldAngle(float degrees);

double VectorLength(double x, double y);

}  // namespace saltmark
