#pragma once
// A port in the terms of Saltmark's simplified harmonic method, held in
// double precision until it is written as the texts of a location line:
// the zone its phase lags refer to, the mean level, the four principal
// constituents, the two shallow-water terms and the seasonal levels.
#include <array>

namespace saltmark::tcd {

// The four principal constituents, in the engine's group order.
inline constexpr int kPrincipalCount = 4;
inline constexpr std::array<const char*, kPrincipalCount> kPrincipalNames = {"O1", "K1", "M2", "S2"};
inline constexpr int kO1 = 0, kK1 = 1, kM2 = 2, kS2 = 3;

inline constexpr int kMonths = 12;
// The engine's spring-neap day runs from -7 to +7; its mean levels are kept
// for 0..7 days from springs.
inline constexpr int kSpringNeapDays = 15;
inline constexpr int kSpringNeapLevels = 8;

struct SimplePort {
  double zoneHoursWest = 0;  // the zone of the phase lags, hours positive west
  double meanLevel = 0;      // metres above chart datum
  std::array<double, kPrincipalCount> amplitude{};  // metres
  std::array<double, kPrincipalCount> phase{};      // degrees, lags in the port's zone
  double quarterCoefficient = 0;  // per metre: the quarter-diurnal term is this times R squared
  double quarterPhase = 0;        // degrees
  double sixthCoefficient = 0;    // per square metre: the sixth-diurnal term is this times R cubed
  double sixthPhase = 0;          // degrees
  // A correction added to the mean level in each month, January first;
  // they average zero, so that the mean level keeps its meaning.
  std::array<double, kMonths> monthlyLevel{};
  // Where the mean level follows the spring-neap cycle (rivers and estuaries
  // fill at springs): the mean level for 0..7 days from springs, the days
  // counted from the engine's spring-neap day plus springNeapOffset. The
  // location line then carries these instead of meanLevel, which holds
  // their average over the cycle.
  bool followsSpringNeap = false;
  int springNeapOffset = 0;
  std::array<double, kSpringNeapLevels> springNeapLevel{};
};

// Which of the spring-neap levels the engine takes on a spring-neap day
// (-7..7) for a port whose day offset is offset (-7..7): the whole days from
// springs, |offset + day|, counted back from 14 past 7.
int SpringNeapIndex(int offset, int day);

// An angle in degrees brought into [0, 360).
double NormalDegrees(double degrees);

}  // namespace saltmark::tcd
