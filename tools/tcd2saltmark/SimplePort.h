#pragma once
// A port in the terms of Saltmark's simplified harmonic method, held in
// double precision until it is written as the texts of a location line:
// the zone its phase lags refer to, the mean level, the four principal
// constituents and the two shallow-water terms.
#include <array>

namespace saltmark::tcd {

// The four principal constituents, in the engine's group order.
inline constexpr int kPrincipalCount = 4;
inline constexpr std::array<const char*, kPrincipalCount> kPrincipalNames = {"O1", "K1", "M2", "S2"};
inline constexpr int kO1 = 0, kK1 = 1, kM2 = 2, kS2 = 3;

struct SimplePort {
  double zoneHoursWest = 0;  // the zone of the phase lags, hours positive west
  double meanLevel = 0;      // metres above chart datum
  std::array<double, kPrincipalCount> amplitude{};  // metres
  std::array<double, kPrincipalCount> phase{};      // degrees, lags in the port's zone
  double quarterCoefficient = 0;  // per metre: the quarter-diurnal term is this times R squared
  double quarterPhase = 0;        // degrees
  double sixthCoefficient = 0;    // per square metre: the sixth-diurnal term is this times R cubed
  double sixthPhase = 0;          // degrees
};

// An angle in degrees brought into [0, 360).
double NormalDegrees(double degrees);

}  // namespace saltmark::tcd
