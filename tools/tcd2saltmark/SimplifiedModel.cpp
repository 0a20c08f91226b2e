#include "SimplifiedModel.h"

#include <cmath>
#include <numbers>

#include "common/DateTime.h"

namespace saltmark::tcd {
namespace {
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
}

DateTime SampleClock::instant(int i) const {
  return DateTime::fromCivil(year, 1, 1).addSeconds(std::round(i * stepHours * 3600.0));
}

SampleClock YearClock(int year, double stepHours) {
  const int days = isLeapYear(year) ? 366 : 365;
  return {year, stepHours, static_cast<int>(std::lround(days * 24 / stepHours))};
}

std::vector<GroupAtInstant> GroupCorrectionsFor(const SampleClock& clock) {
  std::vector<GroupAtInstant> groups(static_cast<std::size_t>(clock.count));
  for (int i = 0; i < clock.count; ++i) {
    const GroupCorrections c = ComputeGroupFactors(clock.instant(i), false);
    for (int g = 0; g < kGroupCount; ++g) {
      groups[static_cast<std::size_t>(i)].factor[g] = c.groupFactor[g];
      groups[static_cast<std::size_t>(i)].phase[g] = c.groupPhase[g];
    }
  }
  return groups;
}

double SimplifiedHeight(const SimplePort& port, const GroupAtInstant& group) {
  std::array<double, kPrincipalCount> argument{}, amplitude{};
  for (int g = 0; g < kPrincipalCount; ++g) {
    argument[g] = port.phase[g] * kRadiansPerDegree + group.phase[g];
    amplitude[g] = port.amplitude[g] * group.factor[g];
  }
  const double diurnal = amplitude[kO1] * std::cos(argument[kO1]) + amplitude[kK1] * std::cos(argument[kK1]);
  const double x = amplitude[kS2] * std::cos(argument[kS2]) + amplitude[kM2] * std::cos(argument[kM2]);
  const double y = amplitude[kS2] * std::sin(argument[kS2]) + amplitude[kM2] * std::sin(argument[kM2]);
  const double r = std::hypot(x, y);
  double shallow = 0;
  if (r > 0) {
    const double theta = std::atan2(y, x);
    shallow = port.quarterCoefficient * r * r * std::cos(2 * theta + port.quarterPhase * kRadiansPerDegree) +
              port.sixthCoefficient * r * r * r * std::cos(3 * theta + port.sixthPhase * kRadiansPerDegree);
  }
  return port.meanLevel + diurnal + x + shallow;
}

}  // namespace saltmark::tcd
