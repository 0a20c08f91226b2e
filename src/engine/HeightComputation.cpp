#include "engine/HeightComputation.h"

#include <cctype>
#include <cmath>
#include <math.h>  // cosf128, sinf128
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "engine/SineCosine.h"
#include "engine/VectorLanes.h"

namespace saltmark {
namespace {

bool startsWith(const std::string& text, char lowerCaseMarker) {
  return !text.empty() && std::tolower(static_cast<unsigned char>(text[0])) == lowerCaseMarker;
}

// Angular speeds in radians per hour, used only to move the curve by a few
// hours; they are not the constituents' exact speeds.
constexpr std::array<double, kGroupCount> kOffsetSpeed = {0.24137903555081552, 0.2617993877991492,
                                                          0.5038765550507625, 0.5229006438975006};

}  // namespace

bool UsesSpringNeapLevels(const LocationRecord& port) { return startsWith(port.harmonic[0], 'w'); }

PortConstants PreparePortConstants(const LocationRecord& port, int monthIndex, int springNeapDay) {
  std::array<const std::string*, 13> text;
  for (int i = 0; i < 13; ++i) text[i] = &port.harmonic[i];
  if (UsesSpringNeapLevels(port)) {
    int k = CInt(std::abs(Val(port.springNeapLevel[0]) + springNeapDay));
    if (k > 7) k = 14 - k;
    if (k + 2 < 0 || k + 2 >= static_cast<int>(port.springNeapLevel.size())) throw RuntimeError(errc::kSubscript);
    text[0] = &port.springNeapLevel[k + 2];
  }
  if (startsWith(port.harmonic[2], 'v')) text[2] = &port.monthlyAmplitude.at(monthIndex);

  PortConstants result;
  auto& pc = result.portConstant;
  for (int i = 0; i < 13; ++i) pc[i] = Single(Val(*text[i]));
  pc[0] = Single(pc[0] + Val(port.monthlyLevel.at(monthIndex)));
  for (int i = 1; i <= 11; i += 2) pc[i] = Single(pc[i] * kDegreesToRadians);
  const SineAndCosine quarter = SinCos(pc[9]), sixth = SinCos(pc[11]);
  result.quarterCos = quarter.cosine;
  result.quarterSin = quarter.sine;
  result.sixthCos = sixth.cosine;
  result.sixthSin = sixth.sine;
  return result;
}

CorrectedConstituents CombineGroupCorrections(const PortConstants& constants, const GroupCorrections& corrections) {
  const auto& pc = constants.portConstant;
  // Phase and amplitude fields of each group's principal constituent.
  constexpr std::array<int, kGroupCount> phaseField = {7, 5, 1, 3};
  CorrectedConstituents c;
  for (int g = 0; g < kGroupCount; ++g) {
    c.phase[g] = Single(pc[phaseField[g]] + corrections.groupPhase[g]);
    c.amplitude[g] = Single(pc[phaseField[g] + 1] * corrections.groupFactor[g]);
  }
  return c;
}

namespace {

// The height from the cosines and sines of the four moved phases, for one
// instant (Real is double) or for several side by side, a lane each.
template <class Real>
[[gnu::always_inline]] inline RawHeight<Real> heightFromTurns(const std::array<Real, kGroupCount>& amplitude,
                                                              const PortConstants& constants,
                                                              const std::array<Real, kGroupCount>& cosine,
                                                              const std::array<Real, kGroupCount>& sine,
                                                              Real (*squareRoot)(Real)) {
  const auto& pc = constants.portConstant;
  const Real O = amplitude[group::kO1] * cosine[group::kO1];
  const Real K = amplitude[group::kK1] * cosine[group::kK1];
  const Real X = amplitude[group::kS2] * cosine[group::kS2] + amplitude[group::kM2] * cosine[group::kM2];
  const Real Y = amplitude[group::kS2] * sine[group::kS2] + amplitude[group::kM2] * sine[group::kM2];
  const Real R = squareRoot(Y * Y + X * X);

  // cos and sin of the combined semidiurnal angle; without a semidiurnal
  // tide there is no shallow-water term.
  const Real co = X / R, si = Y / R;
  const Real quarter =
      ((2 * co * co - 1) * constants.quarterCos - 2 * si * co * constants.quarterSin) * pc[10] * (R * R);
  const Real sixth =
      ((4 * co * co * co - 3 * co) * constants.sixthCos - (3 * si - 4 * si * si * si) * constants.sixthSin) *
      (R * R) * R * pc[12];
  const Real none{};
  return {K + O + X + (R != 0 ? quarter : none) + (R != 0 ? sixth : none) + pc[0], R};
}

double scalarRoot(double x) { return std::sqrt(x); }

// One instant's height from its moved phases' cosines and sines.
RawHeight<double> heightFromTurns(const CorrectedConstituents& c, const PortConstants& constants,
                                  const std::array<double, kGroupCount>& cosine,
                                  const std::array<double, kGroupCount>& sine) {
  std::array<double, kGroupCount> amplitude;
  for (int g = 0; g < kGroupCount; ++g) amplitude[g] = c.amplitude[g];
  return heightFromTurns(amplitude, constants, cosine, sine, scalarRoot);
}

// Group g's phase moved by x hours.
double movedPhase(const CorrectedConstituents& c, int g, float x) { return c.phase[g] - kOffsetSpeed[g] * x; }

RawHeight<double> rawHeightAtOffset(const CorrectedConstituents& c, const PortConstants& constants, float x) {
  std::array<double, kGroupCount> argument, sine, cosine;
  for (int g = 0; g < kGroupCount; ++g) argument[g] = movedPhase(c, g, x);
  SinCosEach(argument, sine, cosine);
  return heightFromTurns(c, constants, cosine, sine);
}

// cos and sin of kOffsetSpeed * x for x = m / 60 hours in single precision,
// m from -kMinutesTurnedAhead on, worked out once in quadruple precision and
// rounded to doubles. The C library's binary128 functions are the same code
// on every processor (long double is not: x86's has 64 bits, which leaves
// some forty of these a unit in the last place off), so the table is the
// correctly rounded one everywhere. A compiler that does not offer binary128
// (clang on x86-64, which the fuzzing build uses) takes long double instead.
#if defined(__HAVE_FLOAT128) && __HAVE_FLOAT128
using Quad = _Float128;
Quad QuadCos(Quad a) { return cosf128(a); }
Quad QuadSin(Quad a) { return sinf128(a); }
#else
using Quad = long double;
Quad QuadCos(Quad a) { return std::cos(a); }
Quad QuadSin(Quad a) { return std::sin(a); }
#endif

struct MinuteTurn {
  std::array<double, kGroupCount> cosine, sine;
};

const std::vector<MinuteTurn>& minuteTurns() {
  static const std::vector<MinuteTurn> table = [] {
    std::vector<MinuteTurn> out(2 * kMinutesTurnedAhead + 1);
    for (int m = -kMinutesTurnedAhead; m <= kMinutesTurnedAhead; ++m) {
      const Quad x = Single(m / 60.0);
      MinuteTurn& turn = out[m + kMinutesTurnedAhead];
      for (int g = 0; g < kGroupCount; ++g) {
        const Quad angle = static_cast<Quad>(kOffsetSpeed[g]) * x;  // exact
        turn.cosine[g] = static_cast<double>(QuadCos(angle));
        turn.sine[g] = static_cast<double>(QuadSin(angle));
      }
    }
    return out;
  }();
  return table;
}

}  // namespace

OffsetHeight HeightAtOffset(const CorrectedConstituents& c, const PortConstants& constants, float x) {
  return CheckedHeight(rawHeightAtOffset(c, constants, x));
}

PhaseTurns TurnsOfPhases(const CorrectedConstituents& c) {
  std::array<double, kGroupCount> phase;
  for (int g = 0; g < kGroupCount; ++g) phase[g] = c.phase[g];
  PhaseTurns turns;
  SinCosEach(phase, turns.sine, turns.cosine);
  return turns;
}

OffsetHeight HeightAtWholeMinutes(const CorrectedConstituents& c, const PortConstants& constants,
                                  const PhaseTurns& phases, int minutes) {
  if (minutes < -kMinutesTurnedAhead || minutes > kMinutesTurnedAhead)
    return HeightAtOffset(c, constants, Single(minutes / 60.0));
  const MinuteTurn& offset = minuteTurns()[minutes + kMinutesTurnedAhead];
  // cos(a - b) = cos a cos b + sin a sin b, sin(a - b) = sin a cos b - cos a sin b;
  // at no offset b is 0 and these are cos a and sin a exactly.
  std::array<double, kGroupCount> cosine, sine;
  for (int g = 0; g < kGroupCount; ++g) {
    cosine[g] = phases.cosine[g] * offset.cosine[g] + phases.sine[g] * offset.sine[g];
    sine[g] = phases.sine[g] * offset.cosine[g] - phases.cosine[g] * offset.sine[g];
  }
  return CheckedHeight(heightFromTurns(c, constants, cosine, sine));
}

OffsetHeight CheckedHeight(const RawHeight<double>& raw) {
  if (!std::isfinite(raw.height) || std::abs(raw.height) > 3.4e38) throw RuntimeError(errc::kOverflow);
  return {Single(raw.height), raw.R};
}

namespace {

using Corrected = std::array<CorrectedConstituents, kSideBySide>;
using Heights = std::array<RawHeight<double>, kSideBySide>;

void heightsOneByOne(const Corrected& corrected, const PortConstants& constants, Heights& heights) {
  for (std::size_t k = 0; k < kSideBySide; ++k) heights[k] = rawHeightAtOffset(corrected[k], constants, 0);
}

#if SALTMARK_X86_LANES
[[gnu::target("avx2")]] lanes::Double4 fourRoots(lanes::Double4 x) { return __builtin_ia32_sqrtpd256(x); }

// Built for AVX2 whatever the machine, and taken only where it has it.
[[gnu::target("avx2")]] void heightsInFourLanes(const Corrected& corrected, const PortConstants& constants,
                                                Heights& heights) {
  using Lanes = lanes::Double4;
  static_assert(sizeof(Lanes) == kSideBySide * sizeof(double));
  // Group g's angles of every instant side by side.
  std::array<double, kGroupCount * kSideBySide> argument, sine, cosine;
  std::array<Lanes, kGroupCount> amplitude;
  for (int g = 0; g < kGroupCount; ++g) {
    for (std::size_t k = 0; k < kSideBySide; ++k) {
      argument[g * kSideBySide + k] = movedPhase(corrected[k], g, 0);
      amplitude[g][k] = corrected[k].amplitude[g];
    }
  }
  SinCosEach(argument, sine, cosine);
  std::array<Lanes, kGroupCount> c, s;
  std::memcpy(c.data(), cosine.data(), sizeof c);
  std::memcpy(s.data(), sine.data(), sizeof s);
  const RawHeight<Lanes> lanes = heightFromTurns(amplitude, constants, c, s, fourRoots);
  for (std::size_t k = 0; k < kSideBySide; ++k) heights[k] = {lanes.height[k], lanes.R[k]};
}

using HeightsRun = void (*)(const Corrected&, const PortConstants&, Heights&);
#endif

}  // namespace

void HeightsSideBySide(const Corrected& corrected, const PortConstants& constants, Heights& heights) {
#if SALTMARK_X86_LANES
  static const HeightsRun run = lanes::widestOf<HeightsRun>(heightsOneByOne, heightsInFourLanes);
  run(corrected, constants, heights);
#else
  heightsOneByOne(corrected, constants, heights);
#endif
}

}  // namespace saltmark
