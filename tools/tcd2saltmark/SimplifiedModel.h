#pragma once
// Saltmark's simplified height formula in double precision, over a fixed set
// of sample instants whose group corrections (which depend on the instant
// alone, not on the port) are worked out once and shared by every port.
// It follows the engine's HeightAtOffset at offset 0; a test holds the two
// together.
#include <array>
#include <vector>

#include "SimplePort.h"
#include "engine/ConstituentTable.h"

namespace saltmark::tcd {

struct GroupAtInstant {
  std::array<double, kGroupCount> factor{};
  std::array<double, kGroupCount> phase{};  // radians
  // factor x cos(phase) and factor x sin(phase), so that a port's sum needs no
  // trigonometry per sample.
  std::array<double, kGroupCount> cosine{}, sine{};
  int month = 0;          // 0 for January, in the port's zone time
  int springNeapDay = 0;  // -7..7, as the engine counts it
};

// Several years of samples, one block after another.
std::vector<GroupAtInstant> GroupCorrectionsForYears(int firstYear, int lastYear, double stepHours);

// Samples every stepHours from 1 January 00:00 of a year, for count samples,
// in the port's zone time (the time base the engine takes instants in).
struct SampleClock {
  int year = 2026;
  double stepHours = 1;
  int count = 0;

  // The instant of sample i as the engine takes it.
  DateTime instant(int i) const;
  // Hours of UTC after 1 January 00:00 UTC for sample i at a port in zone z
  // (hours west): zone time plus z.
  double hoursUtc(int i, double zoneHoursWest) const { return i * stepHours + zoneHoursWest; }
};

// A whole year of samples.
SampleClock YearClock(int year, double stepHours);

std::vector<GroupAtInstant> GroupCorrectionsFor(const SampleClock& clock);

// A port's constants in the form the sum is quickest in: each constituent
// as H cos g and H sin g, each shallow-water term as coefficient x cos and
// x sin of its phase.
struct PortTerms {
  // The mean level with its seasonal corrections: the level on each
  // spring-neap day (all the same for a port that does not follow the
  // cycle) plus the month's correction.
  std::array<double, kSpringNeapDays> levelOnDay{};
  std::array<double, kMonths> monthly{};
  std::array<double, kPrincipalCount> cosine{}, sine{};
  double quarterCosine = 0, quarterSine = 0, sixthCosine = 0, sixthSine = 0;
};
PortTerms TermsOf(const SimplePort& port);

// The mean level with its seasonal corrections at a sample.
double MeanLevelAt(const PortTerms& terms, const GroupAtInstant& group);

// The combined semidiurnal tide as x = R cos(theta), y = R sin(theta).
struct Semidiurnal {
  double x = 0, y = 0;
};
Semidiurnal SemidiurnalAt(const PortTerms& terms, const GroupAtInstant& group);

// The height in metres above chart datum. With x and y as above, the
// shallow-water terms R^2 cos(2 theta + p) and R^3 cos(3 theta + p) are
// polynomials in x and y.
double SimplifiedHeight(const PortTerms& terms, const GroupAtInstant& group);
double SimplifiedHeight(const SimplePort& port, const GroupAtInstant& group);

// Root mean square of the simplified height minus target[i] at each sample i, metres.
double RmsDifference(const SimplePort& port, const std::vector<GroupAtInstant>& groups,
                     const std::vector<double>& target);

}  // namespace saltmark::tcd
