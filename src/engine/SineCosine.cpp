#include "engine/SineCosine.h"

#include <cmath>

#include "engine/VectorLanes.h"

namespace saltmark {
namespace {

using namespace lanes;

// pi/2 split in 33-bit parts, so that n times a part is exact for |n| < 2^20.
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kHalfPiFirst = 1.57079632673412561417e+00;
constexpr double kHalfPiSecond = 6.07710050630396597660e-11;
constexpr double kHalfPiSecondTail = 2.02226624879595063154e-21;
// Larger angles go to the C library: the split above is exact only up to here.
constexpr double kLargestReduced = 1.0e6;
// Adding 1.5 * 2^52 rounds to a whole number, left in the low bits.
constexpr double kRoundingShift = 6755399441055744.0;

// sin(y0 + y1) for |y0 + y1| <= pi/4, y1 the small tail of the remainder.
template <class Real>
[[gnu::always_inline]] inline Real kernelSine(Real y0, Real y1) {
  constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                   S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                   S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
  const Real z = y0 * y0;
  const Real w = z * z;
  const Real r = S2 + z * (S3 + z * S4) + z * w * (S5 + z * S6);
  const Real v = z * y0;
  return y0 - ((z * (0.5 * y1 - v * r) - y1) - v * S1);
}

// cos(y0 + y1) for |y0 + y1| <= pi/4.
template <class Real>
[[gnu::always_inline]] inline Real kernelCosine(Real y0, Real y1) {
  constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                   C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                   C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;
  const Real z = y0 * y0;
  const Real w = z * z;
  const Real r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
  const Real hz = 0.5 * z;
  const Real one = 1.0 - hz;
  return one + (((1.0 - one) - hz) + (z * r - y0 * y1));
}

template <class Real, class Bits>
[[gnu::always_inline]] inline void sineAndCosine(Real x, Real& sine, Real& cosine) {
  const Real shifted = x * kTwoOverPi + kRoundingShift;
  const Real n = shifted - kRoundingShift;
  const Real t = x - n * kHalfPiFirst;  // exact
  const Real w = n * kHalfPiSecond;     // exact
  const Real r = t - w;
  const Real tail = n * kHalfPiSecondTail - ((t - r) - w);
  const Real y0 = r - tail;
  const Real y1 = (r - y0) - tail;
  const Bits s = sameBits<Bits>(kernelSine(y0, y1));
  const Bits c = sameBits<Bits>(kernelCosine(y0, y1));
  // The quarter turns taken off pick and sign the results:
  // sin x = sin y, cos y, -sin y, -cos y and cos x = cos y, -sin y, -cos y, sin y.
  const Bits quarters = sameBits<Bits>(shifted);
  const Bits odd = 0 - (quarters & 1);
  const Bits sineSign = (quarters & 2) << 62;
  const Bits cosineSign = ((quarters + 1) & 2) << 62;
  sine = sameBits<Real>(((s & ~odd) | (c & odd)) ^ sineSign);
  cosine = sameBits<Real>(((c & ~odd) | (s & odd)) ^ cosineSign);
}

bool reducible(double x) { return std::fabs(x) < kLargestReduced; }

}  // namespace

SineAndCosine SinCos(double x) {
  if (!reducible(x)) return {std::sin(x), std::cos(x)};
  SineAndCosine result;
  sineAndCosine<double, std::uint64_t>(x, result.sine, result.cosine);
  return result;
}

namespace {

// One angle at a time. True when some angle is beyond the reduced range
// (its results are then to be replaced).
bool sinCosOneByOne(const double* angles, double* sines, double* cosines, std::size_t count) {
  bool anyLarge = false;
  for (std::size_t i = 0; i < count; ++i) {
    anyLarge |= !reducible(angles[i]);
    sineAndCosine<double, std::uint64_t>(angles[i], sines[i], cosines[i]);
  }
  return anyLarge;
}

#if SALTMARK_X86_LANES
// Whole vectors of angles, then the rest one by one.
template <class Real, class Bits>
[[gnu::always_inline]] inline bool sinCosLanes(const double* angles, double* sines, double* cosines,
                                               std::size_t count) {
  constexpr std::size_t kLanes = kLaneCount<Real>;
  using Mask = decltype(Real{} < Real{});
  Mask large{};
  std::size_t i = 0;
  for (; i + kLanes <= count; i += kLanes) {
    Real x, s, c;
    std::memcpy(&x, angles + i, sizeof x);
    large |= (x >= kLargestReduced) | (x <= -kLargestReduced);
    sineAndCosine<Real, Bits>(x, s, c);
    std::memcpy(sines + i, &s, sizeof s);
    std::memcpy(cosines + i, &c, sizeof c);
  }
  bool anyLarge = false;
  for (std::size_t lane = 0; lane < kLanes; ++lane) anyLarge |= large[lane] != 0;
  return sinCosOneByOne(angles + i, sines + i, cosines + i, count - i) || anyLarge;
}

bool sinCosTwoLanes(const double* angles, double* sines, double* cosines, std::size_t count) {
  return sinCosLanes<Double2, Bits2>(angles, sines, cosines, count);
}

// Built for AVX2 whatever the machine, and taken only where it has it.
[[gnu::target("avx2")]] bool sinCosFourLanes(const double* angles, double* sines, double* cosines,
                                             std::size_t count) {
  return sinCosLanes<Double4, Bits4>(angles, sines, cosines, count);
}

using SinCosRun = bool (*)(const double*, double*, double*, std::size_t);
#else
// Without the vector lanes every run is one angle at a time.
const auto sinCosTwoLanes = sinCosOneByOne;
#endif

// Angles the reduction cannot take go to the C library.
void fixLargeAngles(const double* angles, double* sines, double* cosines, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (!reducible(angles[i])) {
      sines[i] = std::sin(angles[i]);
      cosines[i] = std::cos(angles[i]);
    }
  }
}

}  // namespace

void SinCosEach(const double* angles, double* sines, double* cosines, std::size_t count) {
#if SALTMARK_X86_LANES
  static const SinCosRun run = widestOf<SinCosRun>(sinCosTwoLanes, sinCosFourLanes);
#else
  const auto run = sinCosOneByOne;
#endif
  if (run(angles, sines, cosines, count)) fixLargeAngles(angles, sines, cosines, count);
}

void SinCosEachInTwoLanes(const double* angles, double* sines, double* cosines, std::size_t count) {
  if (sinCosTwoLanes(angles, sines, cosines, count)) fixLargeAngles(angles, sines, cosines, count);
}

}  // namespace saltmark
