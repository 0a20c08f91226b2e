#pragma once
// The arctangent for the height engine: the group phases need four at every
// instant. Like the engine's sine and cosine (SineCosine.h) it is written
// without branches, in as many lanes as the engine has (four with AVX2), and
// gives the same bits on every machine: the argument is brought below 7/16
// by one of four exact identities round atan(1/2), atan(1), atan(3/2) and
// pi/2, and the rest goes through the classic minimax polynomial. Within one
// unit in the last place.
#include <array>
#include <cstddef>

namespace saltmark {

double Arctangent(double z);

// The arctangents of count ratios; the arrays may not overlap.
void ArctangentEach(const double* ratios, double* angles, std::size_t count);

// The angle of the vector (x, y) in radians, 0 <= angle < 2*pi (0 for the
// null vector), from the arctangent of y/x.
double FullCircleArctan(double y, double x);
// The same for count vectors at once (the group phases of one or more instants).
void FullCircleArctanEach(const double* y, const double* x, double* angles, std::size_t count);

template <std::size_t N>
void ArctangentEach(const std::array<double, N>& ratios, std::array<double, N>& angles) {
  ArctangentEach(ratios.data(), angles.data(), N);
}

}  // namespace saltmark
