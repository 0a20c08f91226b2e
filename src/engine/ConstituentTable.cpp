#include "engine/ConstituentTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <utility>

#include "common/VbNumbers.h"
#include "engine/AngleFunctions.h"
#include "engine/SineCosine.h"
#include "engine/VectorLanes.h"

namespace saltmark {
namespace {

struct RowSource {
  std::string_view code;
  double equilibriumAmplitude;
  int group;
};

// Doodson numbers and equilibrium amplitudes, grouped round O1, K1, M2, S2.
// "275555" stands twice: the lunar and the solar part of K2.
constexpr std::array<RowSource, kConstituentRows> kRows = {{
    {"145555", 0.37689, group::kO1},   {"163555", 0.17554, group::kK1},   {"165555", -0.5305, group::kK1},
    {"227655", 0.00671, group::kM2},   {"245645", -0.00648, group::kM2},  {"265655", 0.00643, group::kM2},
    {"235755", 0.02301, group::kM2},   {"237555", 0.02777, group::kM2},   {"245655", 0.17387, group::kM2},
    {"247455", 0.03303, group::kM2},   {"255545", -0.03386, group::kM2},  {"255555", 0.90812, group::kM2},
    {"263655", -0.0067, group::kM2},   {"265455", -0.02567, group::kM2},  {"272556", 0.02479, group::kS2},
    {"273555", 0.42358, group::kS2},   {"275555", 0.07858, group::kS2},   {"275555", 0.03648, group::kS2},
    {"275565", 0.03423, group::kS2},
}};

constexpr std::array<double, kGroupCount> kReferenceAmplitude = {0.37689, 0.5305, 0.90812, 0.42358};

std::array<ConstituentRow, kConstituentRows> buildTable() {
  std::array<ConstituentRow, kConstituentRows> table{};
  for (int i = 0; i < kConstituentRows; ++i) {
    ConstituentRow& row = table[i];
    row.code = kRows[i].code;
    for (int j = 0; j < 6; ++j) {
      row.digits[j] = static_cast<int>(Val(row.code.substr(j, 1)));
      if (j >= 1) row.digits[j] -= 5;
    }
    row.amplitude = kRows[i].equilibriumAmplitude / kReferenceAmplitude[kRows[i].group];
    row.group = kRows[i].group;
  }
  return table;
}

// The longitude-series coefficients, stored in radians and used in degrees.
struct LongitudeCoefficients {
  std::array<double, 8> moon;
  double sun;
};

LongitudeCoefficients buildCoefficients() {
  constexpr std::array<double, 8> moonRadians = {0.022236, 0.10976, 0.01149, -0.003243,
                                                 -0.001026, -0.001, 0.003728, -0.001996};
  LongitudeCoefficients c{};
  for (int i = 0; i < 8; ++i) c.moon[i] = moonRadians[i] / kDegreesToRadians;
  c.sun = 0.033501 / kDegreesToRadians;
  return c;
}

const LongitudeCoefficients& coefficients() {
  static const LongitudeCoefficients c = buildCoefficients();
  return c;
}

// Days from 30 December 1899 to 1 January 1900.
constexpr std::int64_t kDaysTo1900 = 2;
constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// The month (1..12) of a day counted from 30 December 1899, by the civil
// calendar arithmetic of days since 1 March of year 0 (the month is read
// once per prediction, so it is worked out here rather than by a full
// calendar conversion).
int monthOfDay(std::int64_t day) {
  const std::int64_t z = day + 693899;  // days since 1 March 0000
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  return static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
}

// A row's Doodson argument as whole multiples of six angles: the time-of-day
// angle 2*pi*f and the mean longitudes h, s, p, N' and p1 (the mean lunar
// time written out as the time-of-day angle plus h - s). The diurnal ones
// have a quarter turn taken off.
struct Multipliers {
  int day, h, s, p, Nprime, p1;
};

constexpr int digitOf(std::string_view code, int j) { return code[j] - '0' - (j >= 1 ? 5 : 0); }

constexpr Multipliers multipliersOf(std::string_view code) {
  const int species = digitOf(code, 0);
  return {species,         digitOf(code, 2) + species, digitOf(code, 1) - species,
          digitOf(code, 3), digitOf(code, 4),           digitOf(code, 5)};
}

// 19 rows, 18 distinct arguments: the two parts of K2 share one.
constexpr int kArgumentCount = kConstituentRows - 1;

struct Term {
  int argument;
  double amplitude;  // relative to the group's principal constituent
  int group;
};

// The rows in order, grouped, each pointing at its argument.
constexpr std::array<Term, kConstituentRows> kTerms = [] {
  std::array<Term, kConstituentRows> out{};
  int argument = -1;
  for (int i = 0; i < kConstituentRows; ++i) {
    if (i == 0 || kRows[i].code != kRows[i - 1].code) ++argument;
    out[i] = {argument, kRows[i].equilibriumAmplitude / kReferenceAmplitude[kRows[i].group], kRows[i].group};
  }
  return out;
}();

constexpr std::array<Multipliers, kArgumentCount> kArguments = [] {
  std::array<Multipliers, kArgumentCount> out{};
  for (int i = 0; i < kConstituentRows; ++i) out[kTerms[i].argument] = multipliersOf(kRows[i].code);
  return out;
}();

// A point of the unit circle, the cosine and sine of an angle, for one
// instant (Real is double) or for several side by side, a lane each. The
// arguments' cosines and sines come from those of the six angles by the
// addition formulas: a product of turns is the turn of the summed angles,
// which keeps the precision the angles have, where a sum of angles of
// thousands of radians would lose some of it.
template <class Real>
struct Turn {
  Real c, s;
};

template <class Real>
[[gnu::always_inline]] inline Turn<Real> operator*(const Turn<Real>& a, const Turn<Real>& b) {
  return {a.c * b.c - a.s * b.s, a.c * b.s + a.s * b.c};
}

// A turn and its whole powers up to Most; a negative power is the mirror image.
template <class Real, int Most>
struct Powers {
  std::array<Turn<Real>, Most + 1> up;

  explicit Powers(const Turn<Real>& base) {
    up[1] = base;
    if constexpr (Most >= 2) up[2] = base * base;
    if constexpr (Most >= 3) up[3] = up[2] * base;
    if constexpr (Most >= 4) up[4] = up[2] * up[2];
    if constexpr (Most >= 5) up[5] = up[4] * base;
  }
  template <int K>
  [[gnu::always_inline]] inline Turn<Real> power() const {
    static_assert(K != 0 && K <= Most && -K <= Most);
    if constexpr (K > 0)
      return up[K];
    else
      return {up[-K].c, -up[-K].s};
  }
};

constexpr int mostOf(int Multipliers::*field) {
  int most = 0;
  for (const Multipliers& m : kArguments) most = std::max(most, m.*field < 0 ? -(m.*field) : m.*field);
  return most;
}

template <class Real>
struct AllPowers {
  Powers<Real, mostOf(&Multipliers::day)> day;
  Powers<Real, mostOf(&Multipliers::h)> h;
  Powers<Real, mostOf(&Multipliers::s)> s;
  Powers<Real, mostOf(&Multipliers::p)> p;
  Powers<Real, mostOf(&Multipliers::Nprime)> Nprime;
  Powers<Real, mostOf(&Multipliers::p1)> p1;
};

template <int K, class Real, int Most>
[[gnu::always_inline]] inline void timesPower(Turn<Real>& turn, const Powers<Real, Most>& powers) {
  if constexpr (K != 0) turn = turn * powers.template power<K>();
}

// The turn of argument I, the factors taken in a fixed order.
template <int I, class Real>
[[gnu::always_inline]] inline Turn<Real> argumentTurn(const AllPowers<Real>& w) {
  constexpr Multipliers m = kArguments[I];
  static_assert(m.day == 1 || m.day == 2);
  Turn<Real> turn = w.day.template power<m.day>();
  timesPower<m.h>(turn, w.h);
  timesPower<m.s>(turn, w.s);
  timesPower<m.p>(turn, w.p);
  timesPower<m.Nprime>(turn, w.Nprime);
  timesPower<m.p1>(turn, w.p1);
  // A quarter turn back: cos(V - pi/2) = sin V and sin(V - pi/2) = -cos V.
  if constexpr (m.day == 1) turn = {turn.s, -turn.c};
  return turn;
}

template <class Real, std::size_t... I>
[[gnu::always_inline]] inline void allArgumentTurns(const AllPowers<Real>& w,
                                                    std::array<Turn<Real>, kArgumentCount>& turns,
                                                    std::index_sequence<I...>) {
  ((turns[I] = argumentTurn<static_cast<int>(I)>(w)), ...);
}

// DaysSince1900 from the instant's linear milliseconds.
double daysSince1900(std::int64_t ms, int& monthIndex) {
  std::int64_t day = ms / kMillisecondsPerDay;
  std::int64_t msOfDay = ms % kMillisecondsPerDay;
  if (msOfDay < 0) {
    msOfDay += kMillisecondsPerDay;
    --day;
  }
  const std::int64_t secondOfDay = msOfDay / 1000;  // milliseconds do not count
  const int hour = static_cast<int>(secondOfDay / 3600);
  const int minute = static_cast<int>(secondOfDay / 60 % 60);
  const int second = static_cast<int>(secondOfDay % 60);
  monthIndex = monthOfDay(day) - 1;
  return static_cast<double>(day - kDaysTo1900) + (hour + (minute + second / 60.0) / 60.0) / 24.0;
}

// What the arguments are formed from: the time-of-day fraction (whole days
// drop out of the time-of-day angle) and the mean longitudes, of one instant
// (Real is double) or of several side by side, a lane each.
template <class Real>
struct ArgumentInputs {
  Real f, h, s, p, Nprime, p1;
};

template <class Real>
[[gnu::always_inline]] inline Real load(const double* from) {
  Real value;
  std::memcpy(&value, from, sizeof value);
  return value;
}

// Lane k of a vector, or the double itself. Set in place: going through
// memory would make the vector wait for its lanes' stores.
template <class Real>
[[gnu::always_inline]] inline void setLane(Real& value, std::size_t k, double x) {
  if constexpr (std::is_same_v<Real, double>)
    value = x;
  else
    value[k] = x;
}

// The group sums C and S: the six angles' cosines and sines, the arguments'
// turns from them, and each group's terms summed in the table's order.
template <class Real>
[[gnu::always_inline]] inline void sumGroups(const ArgumentInputs<Real>& in, std::array<Real, kGroupCount>& C,
                                             std::array<Real, kGroupCount>& S) {
  constexpr std::size_t kLanes = sizeof(Real) / sizeof(double);
  constexpr std::size_t kAngles = 6;
  // One instant's six angles make up two whole vectors of four with two idle ones.
  constexpr std::size_t kSlots = kLanes == 1 ? 8 : kAngles * kLanes;
  std::array<double, kSlots> angle{}, sine, cosine;
  const std::array<Real, kAngles> angles = {kTwoPi * in.f, in.h, in.s, in.p, in.Nprime, in.p1};
  std::memcpy(angle.data(), angles.data(), sizeof angles);
  SinCosEach(angle, sine, cosine);
  const auto turnOf = [&](std::size_t i) {
    return Turn<Real>{load<Real>(cosine.data() + i * kLanes), load<Real>(sine.data() + i * kLanes)};
  };
  const AllPowers<Real> w{Powers<Real, mostOf(&Multipliers::day)>(turnOf(0)),
                          Powers<Real, mostOf(&Multipliers::h)>(turnOf(1)),
                          Powers<Real, mostOf(&Multipliers::s)>(turnOf(2)),
                          Powers<Real, mostOf(&Multipliers::p)>(turnOf(3)),
                          Powers<Real, mostOf(&Multipliers::Nprime)>(turnOf(4)),
                          Powers<Real, mostOf(&Multipliers::p1)>(turnOf(5))};
  std::array<Turn<Real>, kArgumentCount> turns;
  allArgumentTurns(w, turns, std::make_index_sequence<kArgumentCount>{});

  std::size_t term = 0;
  for (int g = 0; g < kGroupCount; ++g) {
    // Summed in registers: a running sum in the arrays would wait on its own store.
    Real sumC{}, sumS{};
    for (; term < kTerms.size() && kTerms[term].group == g; ++term) {
      const Term& r = kTerms[term];
      sumC += r.amplitude * turns[r.argument].c;
      sumS -= r.amplitude * turns[r.argument].s;
    }
    C[g] = sumC;
    S[g] = sumS;
  }
}

}  // namespace

const std::array<ConstituentRow, kConstituentRows>& InitConstituentTable() {
  static const std::array<ConstituentRow, kConstituentRows> table = buildTable();
  coefficients();
  return table;
}

double DaysSince1900(DateTime instant, int& monthIndex) {
  return daysSince1900(instant.linearMilliseconds(), monthIndex);
}

AstroArguments ComputeAstroArguments(double days) {
  const double T = days / 36525;
  const double T2 = T * T;
  AstroArguments a;
  a.s = (277.0248 + 481267.8906 * T + 0.002 * T2) * kDegreesToRadians;
  a.h = (280.1895 + 36000.7689 * T + 0.0003 * T2) * kDegreesToRadians;
  a.p = (334.3853 + 4069.034 * T - 0.0103 * T2) * kDegreesToRadians;
  a.Nprime = (100.8432 + 1934.142 * T - 0.0021 * T2) * kDegreesToRadians;
  a.p1 = (281.2209 + 1.7192 * T + 0.0005 * T2) * kDegreesToRadians;
  return a;
}

double MoonSunElongation(const AstroArguments& a) {
  const LongitudeCoefficients& c = coefficients();
  const double s = a.s, h = a.h, p = a.p;
  // The Moon's eight periodic terms; the fourth is also the Sun's one.
  const std::array<double, 8> angle = {s - 2 * h + p, s - p,         2 * (s - h),     h - a.p1,
                                       2 * (h - p),   s - 3 * h + p, 2 * (s - p),     2 * (a.Nprime + s)};
  std::array<double, 8> sine, cosine;
  SinCosEach(angle, sine, cosine);
  double moon = s / kDegreesToRadians;
  for (int i = 0; i < 8; ++i) moon += c.moon[i] * sine[i];
  const double sun = h / kDegreesToRadians + c.sun * sine[3];
  return moon - sun;
}

int SpringNeapDay(const AstroArguments& arguments) {
  const float elongation = Single(MoonSunElongation(arguments));
  const float twice = Single(2.0 * elongation + 360 / 2);
  const double fold = FoldAngle(twice);
  // 24.38149878 degrees is the change of twice the elongation in a day.
  int day = static_cast<int>(Int(fold / 24.38149878));
  if (day == 8 || day == -8) day -= 15 * Sgn(day);
  return day;
}

namespace {

// The group sums at as many instants as Real has lanes (one where Real is
// double), an instant a lane: each lane does exactly what one instant alone
// would, so the results are the same however many are worked out together.
template <class Real>
[[gnu::always_inline]] inline void groupFactorsInLanes(const std::int64_t* milliseconds, bool withSpringNeapDay,
                                                       GroupCorrections* results) {
  constexpr std::size_t kLanes = sizeof(Real) / sizeof(double);
  ArgumentInputs<Real> in{};
  for (std::size_t k = 0; k < kLanes; ++k) {
    GroupCorrections& result = results[k];
    result = GroupCorrections{};
    const double t = daysSince1900(milliseconds[k], result.monthIndex);
    const AstroArguments a = ComputeAstroArguments(t);
    result.arguments = a;
    setLane(in.f, k, t - CLng(t));
    setLane(in.h, k, a.h);
    setLane(in.s, k, a.s);
    setLane(in.p, k, a.p);
    setLane(in.Nprime, k, a.Nprime);
    setLane(in.p1, k, a.p1);
  }

  std::array<Real, kGroupCount> C, S;
  sumGroups(in, C, S);
  // Lane k of group g is at [g * kLanes + k].
  std::array<double, kGroupCount * kLanes> flatC, flatS, phase;
  std::memcpy(flatC.data(), C.data(), sizeof flatC);
  std::memcpy(flatS.data(), S.data(), sizeof flatS);
  FullCircleArctanEach(flatS.data(), flatC.data(), phase.data(), phase.size());
  for (std::size_t k = 0; k < kLanes; ++k) {
    GroupCorrections& result = results[k];
    for (int g = 0; g < kGroupCount; ++g) {
      const double c = flatC[g * kLanes + k], s = flatS[g * kLanes + k];
      result.groupFactor[g] = std::sqrt(c * c + s * s);
      result.groupPhase[g] = phase[g * kLanes + k];
    }
    if (withSpringNeapDay) result.springNeapDay = SpringNeapDay(result.arguments);
  }
}

GroupCorrections groupFactorsAt(std::int64_t ms, bool withSpringNeapDay) {
  GroupCorrections result;
  groupFactorsInLanes<double>(&ms, withSpringNeapDay, &result);
  return result;
}

using Instants = std::array<std::int64_t, kSideBySide>;
using Results = std::array<GroupCorrections, kSideBySide>;

void oneByOne(const Instants& milliseconds, bool withSpringNeapDay, Results& results) {
  for (std::size_t k = 0; k < kSideBySide; ++k) results[k] = groupFactorsAt(milliseconds[k], withSpringNeapDay);
}

#if SALTMARK_X86_LANES
// Built for AVX2 whatever the machine, and taken only where it has it: in
// narrower lanes the compiler would pass every sum through memory.
[[gnu::target("avx2")]] void sideBySideInFourLanes(const Instants& milliseconds, bool withSpringNeapDay,
                                                   Results& results) {
  static_assert(sizeof(lanes::Double4) == kSideBySide * sizeof(double));
  groupFactorsInLanes<lanes::Double4>(milliseconds.data(), withSpringNeapDay, results.data());
}

using SideBySideRun = void (*)(const Instants&, bool, Results&);
#endif

}  // namespace

GroupCorrections ComputeGroupFactors(DateTime instant, bool withSpringNeapDay) {
  return groupFactorsAt(instant.linearMilliseconds(), withSpringNeapDay);
}

void ComputeGroupFactorsSideBySide(const std::array<std::int64_t, kSideBySide>& milliseconds, bool withSpringNeapDay,
                                   std::array<GroupCorrections, kSideBySide>& results) {
#if SALTMARK_X86_LANES
  static const SideBySideRun run = lanes::widestOf<SideBySideRun>(oneByOne, sideBySideInFourLanes);
  run(milliseconds, withSpringNeapDay, results);
#else
  oneByOne(milliseconds, withSpringNeapDay, results);
#endif
}

}  // namespace saltmark
