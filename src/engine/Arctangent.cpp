#include "engine/Arctangent.h"

#include "common/VbNumbers.h"
#include "engine/VectorLanes.h"

namespace saltmark {
namespace {

using namespace lanes;

template <class Real>
[[gnu::always_inline]] inline Real splat(double value) {
  return Real{} + value;
}

// Which of the reduction bands each lane's |z| has reached.
template <class Real>
struct Bands {
  using Mask = decltype(Real{} < Real{});
  Mask beyond0, beyond1, beyond2, beyond3;
};

// below, or r0..r3 in the bands from 7/16, 11/16, 19/16 and 39/16 up.
template <class Real, class Bits>
[[gnu::always_inline]] inline Real pickByBand(const Bands<Real>& bands, Real below, Real r0, Real r1, Real r2,
                                              Real r3) {
  return choose<Real, Bits>(
      bands.beyond3, r3,
      choose<Real, Bits>(bands.beyond2, r2,
                         choose<Real, Bits>(bands.beyond1, r1, choose<Real, Bits>(bands.beyond0, r0, below))));
}

template <class Real, class Bits>
[[gnu::always_inline]] inline Real arctangent(Real z) {
  constexpr double aT[11] = {3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
                             -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
                             6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
                             -3.65315727442169155270e-02, 1.62858201153657823623e-02};
  // atan(1/2), atan(1), atan(3/2) and atan(infinity), each as a sum of two doubles.
  constexpr double atanHigh[4] = {4.63647609000806093515e-01, 7.85398163397448278999e-01, 9.82793723247329054082e-01,
                                  1.57079632679489655800e+00};
  constexpr double atanLow[4] = {2.26987774529616870924e-17, 3.06161699786838301793e-17, 1.39033110312309984516e-17,
                                 6.12323399573676603587e-17};
  constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;

  const Bits bits = sameBits<Bits>(z);
  const Real a = sameBits<Real>(bits & ~kSignBit);
  const Bands<Real> bands{a >= 7.0 / 16, a >= 11.0 / 16, a >= 19.0 / 16, a >= 39.0 / 16};
  // t = (2a - 1)/(2 + a), (a - 1)/(a + 1), (a - 1.5)/(1 + 1.5a) or -1/a, as a falls.
  const Real one = splat<Real>(1);
  const Real numerator = pickByBand<Real, Bits>(bands, a, 2.0 * a - 1.0, a - 1.0, a - 1.5, splat<Real>(-1));
  const Real denominator = pickByBand<Real, Bits>(bands, one, 2.0 + a, a + 1.0, 1.0 + 1.5 * a, a);
  const Real high = pickByBand<Real, Bits>(bands, Real{}, splat<Real>(atanHigh[0]), splat<Real>(atanHigh[1]),
                                           splat<Real>(atanHigh[2]), splat<Real>(atanHigh[3]));
  const Real low = pickByBand<Real, Bits>(bands, Real{}, splat<Real>(atanLow[0]), splat<Real>(atanLow[1]),
                                          splat<Real>(atanLow[2]), splat<Real>(atanLow[3]));
  const Real t = numerator / denominator;

  const Real z2 = t * t;
  const Real w = z2 * z2;
  const Real s1 = z2 * (aT[0] + w * (aT[2] + w * (aT[4] + w * (aT[6] + w * (aT[8] + w * aT[10])))));
  const Real s2 = w * (aT[1] + w * (aT[3] + w * (aT[5] + w * (aT[7] + w * aT[9]))));
  // Below 7/16 high and low are 0 and this is t - t*(s1 + s2), bit for bit.
  const Real magnitude = high - ((t * (s1 + s2) - low) - t);
  return sameBits<Real>(sameBits<Bits>(magnitude) ^ (bits & kSignBit));
}

// The angle of (x, y) on the full circle: the arctangent of y/x, moved by
// pi or 2*pi into the vector's quadrant, or one of the axis directions
// where x is 0 (or not a number).
template <class Real, class Bits>
[[gnu::always_inline]] inline Real fullCircleAngle(Real y, Real x) {
  const Real a = arctangent<Real, Bits>(choose<Real, Bits>(x != 0, y / x, Real{}));
  const Real east = choose<Real, Bits>(y >= 0, a, a + kTwoPi);
  const Real axis =
      choose<Real, Bits>(y > 0, splat<Real>(kPi / 2), choose<Real, Bits>(y < 0, splat<Real>(3 * kPi / 2), Real{}));
  return choose<Real, Bits>(x > 0, east, choose<Real, Bits>(x < 0, a + kPi, axis));
}

// Whole vectors, the last one filled up with zeros; one argument array gives
// arctangents, two give full-circle angles.
template <class Real, class Bits>
[[gnu::always_inline]] inline Real angleOf(Real first, const Real* second) {
  return second ? fullCircleAngle<Real, Bits>(first, *second) : arctangent<Real, Bits>(first);
}

template <class Real, class Bits>
[[gnu::always_inline]] inline void anglesInLanes(const double* first, const double* second, double* angles,
                                                 std::size_t count) {
  constexpr std::size_t kLanes = kLaneCount<Real>;
  for (std::size_t i = 0; i < count; i += kLanes) {
    // A whole vector is copied in one move: a copy of variable length would
    // go through memory a double at a time.
    const std::size_t bytes = (count - i >= kLanes ? kLanes : count - i) * sizeof(double);
    Real y{}, x{};
    if (bytes == sizeof(Real)) {
      std::memcpy(&y, first + i, sizeof y);
      if (second) std::memcpy(&x, second + i, sizeof x);
    } else {
      std::memcpy(&y, first + i, bytes);
      if (second) std::memcpy(&x, second + i, bytes);
    }
    const Real result = angleOf<Real, Bits>(y, second ? &x : nullptr);
    if (bytes == sizeof(Real))
      std::memcpy(angles + i, &result, sizeof result);
    else
      std::memcpy(angles + i, &result, bytes);
  }
}

#if SALTMARK_X86_LANES
using AnglesRun = void (*)(const double*, const double*, double*, std::size_t);

void anglesInTwoLanes(const double* first, const double* second, double* angles, std::size_t count) {
  anglesInLanes<Double2, Bits2>(first, second, angles, count);
}

// Built for AVX2 whatever the machine, and taken only where it has it.
[[gnu::target("avx2")]] void anglesInFourLanes(const double* first, const double* second, double* angles,
                                               std::size_t count) {
  anglesInLanes<Double4, Bits4>(first, second, angles, count);
}

void anglesInWidestLanes(const double* first, const double* second, double* angles, std::size_t count) {
  static const AnglesRun run = widestOf<AnglesRun>(anglesInTwoLanes, anglesInFourLanes);
  run(first, second, angles, count);
}
#else
void anglesOneByOne(const double* first, const double* second, double* angles, std::size_t count) {
  anglesInLanes<double, std::uint64_t>(first, second, angles, count);
}

// Without the vector lanes every run is one angle at a time.
const auto anglesInTwoLanes = anglesOneByOne;
const auto anglesInWidestLanes = anglesOneByOne;
#endif

}  // namespace

double Arctangent(double z) {
  double angle;
  anglesInTwoLanes(&z, nullptr, &angle, 1);
  return angle;
}

void ArctangentEach(const double* ratios, double* angles, std::size_t count) {
  anglesInWidestLanes(ratios, nullptr, angles, count);
}

double FullCircleArctan(double y, double x) {
  double angle;
  anglesInTwoLanes(&y, &x, &angle, 1);
  return angle;
}

void FullCircleArctanEach(const double* y, const double* x, double* angles, std::size_t count) {
  anglesInWidestLanes(y, x, angles, count);
}

}  // namespace saltmark
