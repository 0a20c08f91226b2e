#pragma once
// Small angle helpers shared by the tide and stream predictions.
#include <array>

namespace saltmark {

// 180 minus the angle reduced to 0 <= a < 360, so the result lies in
// (-180, 180]: 0 at 180 degrees, 180 at 0 or 360, -179 at 359.
double FoldAngle(float degrees);

// The angle of the vector (x, y) in radians, 0 <= angle < 2*pi
// (0 for the null vector).
double FullCircleArctan(double y, double x);
// The same for four vectors at once (the group phases of an instant).
std::array<double, 4> FullCircleArctanEach(const std::array<double, 4>& y, const std::array<double, 4>& x);

double VectorLength(double x, double y);

}  // namespace saltmark
