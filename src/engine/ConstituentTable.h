#pragma once
// The equilibrium tide that corrects a port's four principal constituents.
//
// A port carries harmonic constants for O1, K1, M2 and S2 only. Nineteen
// equilibrium constituents, known by their Doodson numbers, are grouped round
// those four; summing each group at an instant gives one amplitude factor and
// one phase angle per group, which fold the neighbouring constituents and the
// 18.6-year lunar node into the principal one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/DateTime.h"

namespace saltmark {

inline constexpr int kConstituentRows = 19;
inline constexpr int kGroupCount = 4;

// The groups, in the order of groupFactor and groupPhase.
namespace group {
inline constexpr int kO1 = 0;
inline constexpr int kK1 = 1;
inline constexpr int kM2 = 2;
inline constexpr int kS2 = 3;
}  // namespace group

struct ConstituentRow {
  std::string_view code;    // the six-digit Doodson number
  std::array<int, 6> digits;  // species, then digits 1..5 with 5 taken off
  double amplitude;         // relative to the group's principal constituent
  int group;
};

// Built once, on first use; constant afterwards.
const std::array<ConstituentRow, kConstituentRows>& InitConstituentTable();

// Days from 1 January 1900 00:00 to the instant, the clock time counted in
// whole seconds; monthIndex is the instant's month, 0 for January.
double DaysSince1900(DateTime instant, int& monthIndex);

// Mean longitudes in radians (not reduced to one turn).
struct AstroArguments {
  double s = 0;       // the Moon
  double h = 0;       // the Sun
  double p = 0;       // the lunar perigee
  double Nprime = 0;  // minus the Moon's ascending node, increasing with time
  double p1 = 0;      // the solar perigee
};

AstroArguments ComputeAstroArguments(double days);

// The Moon's true longitude minus the Sun's, in degrees, not reduced.
double MoonSunElongation(const AstroArguments& arguments);

// Whole days of the spring-neap cycle, -7..+7: 0 in the day before springs,
// -1 in the day after.
int SpringNeapDay(const AstroArguments& arguments);

// Everything the height computation takes from one instant.
struct GroupCorrections {
  AstroArguments arguments;
  std::array<double, kGroupCount> groupFactor{};
  std::array<double, kGroupCount> groupPhase{};  // radians, 0 <= phase < 2*pi
  int monthIndex = 0;
  int springNeapDay = 0;
};

// The group sums at an instant. The spring-neap day costs a longitude series;
// a caller that has no use for it may leave it out (it is then 0).
GroupCorrections ComputeGroupFactors(DateTime instant, bool withSpringNeapDay = true);

// The group sums at several instants, given as linear milliseconds, worked
// out side by side in the vector lanes; each result is bit for bit what
// ComputeGroupFactors gives at its instant. Throws as ComputeGroupFactors does.
inline constexpr std::size_t kSideBySide = 4;
void ComputeGroupFactorsSideBySide(const std::array<std::int64_t, kSideBySide>& milliseconds, bool withSpringNeapDay,
                                   std::array<GroupCorrections, kSideBySide>& results);

}  // namespace saltmark
