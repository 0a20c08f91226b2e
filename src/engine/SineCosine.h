#pragma once
// Sine and cosine for the height engine.
//
// Every height needs some ten sines and cosines, of large angles among them
// (the mean longitudes grow by thousands of radians a century). The C library answers
// each one through a call with range checks, branches and table lookups,
// which costs more than the rest of the height put together. These are
// written without branches and work on arrays, two angles at a time in the
// vector registers every x86-64 has, four where it has AVX2, one at a time
// on other processors: the angle is reduced by pi/2 in two steps, which keeps
// the remainder exact to far below a unit in the last place, and the
// remainder goes through the classic minimax polynomials on [-pi/4, pi/4].
// The results are within one unit in the last place of the true values (the
// C library's are within about half a unit, so the two differ in the last
// bit now and then) and the same on every machine, since they take only
// additions and multiplications in a fixed order (VectorLanes.h).
#include <array>
#include <cstddef>

namespace saltmark {

struct SineAndCosine {
  double sine = 0;
  double cosine = 1;
};

SineAndCosine SinCos(double x);
inline double Cosine(double x) { return SinCos(x).cosine; }

// The sines and cosines of count angles; the arrays may not overlap.
void SinCosEach(const double* angles, double* sines, double* cosines, std::size_t count);

// The same in two lanes only, as on a processor without AVX2 (for the tests;
// one at a time where the engine has no vector lanes).
void SinCosEachInTwoLanes(const double* angles, double* sines, double* cosines, std::size_t count);

template <std::size_t N>
void SinCosEach(const std::array<double, N>& angles, std::array<double, N>& sines, std::array<double, N>& cosines) {
  SinCosEach(angles.data(), sines.data(), cosines.data(), N);
}

}  // namespace saltmark
