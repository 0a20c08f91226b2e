#include "SimplifiedModel.h"

#include <algorithm>
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
    const GroupCorrections c = ComputeGroupFactors(clock.instant(i), true);
    GroupAtInstant& at = groups[static_cast<std::size_t>(i)];
    at.month = c.monthIndex;
    at.springNeapDay = c.springNeapDay;
    for (int g = 0; g < kGroupCount; ++g) {
      at.factor[g] = c.groupFactor[g];
      at.phase[g] = c.groupPhase[g];
      at.cosine[g] = c.groupFactor[g] * std::cos(c.groupPhase[g]);
      at.sine[g] = c.groupFactor[g] * std::sin(c.groupPhase[g]);
    }
  }
  return groups;
}

std::vector<GroupAtInstant> GroupCorrectionsForYears(int firstYear, int lastYear, double stepHours) {
  std::vector<GroupAtInstant> groups;
  for (int year = firstYear; year <= lastYear; ++year) {
    const auto block = GroupCorrectionsFor(YearClock(year, stepHours));
    groups.insert(groups.end(), block.begin(), block.end());
  }
  return groups;
}

PortTerms TermsOf(const SimplePort& port) {
  PortTerms t;
  for (int d = 0; d < kSpringNeapDays; ++d)
    t.levelOnDay[d] = port.followsSpringNeap
                          ? port.springNeapLevel[SpringNeapIndex(port.springNeapOffset, d - 7)]
                          : port.meanLevel;
  t.monthly = port.monthlyLevel;
  for (int g = 0; g < kPrincipalCount; ++g) {
    t.cosine[g] = port.amplitude[g] * std::cos(port.phase[g] * kRadiansPerDegree);
    t.sine[g] = port.amplitude[g] * std::sin(port.phase[g] * kRadiansPerDegree);
  }
  t.quarterCosine = port.quarterCoefficient * std::cos(port.quarterPhase * kRadiansPerDegree);
  t.quarterSine = port.quarterCoefficient * std::sin(port.quarterPhase * kRadiansPerDegree);
  t.sixthCosine = port.sixthCoefficient * std::cos(port.sixthPhase * kRadiansPerDegree);
  t.sixthSine = port.sixthCoefficient * std::sin(port.sixthPhase * kRadiansPerDegree);
  return t;
}

namespace {
// F H cos(g + phase) and F H sin(g + phase) of one constituent.
double cosinePart(const PortTerms& t, const GroupAtInstant& at, int g) {
  return t.cosine[g] * at.cosine[g] - t.sine[g] * at.sine[g];
}
double sinePart(const PortTerms& t, const GroupAtInstant& at, int g) {
  return t.cosine[g] * at.sine[g] + t.sine[g] * at.cosine[g];
}
}  // namespace

double MeanLevelAt(const PortTerms& t, const GroupAtInstant& at) {
  return t.levelOnDay[static_cast<std::size_t>(std::clamp(at.springNeapDay + 7, 0, kSpringNeapDays - 1))] +
         t.monthly[static_cast<std::size_t>(std::clamp(at.month, 0, kMonths - 1))];
}

Semidiurnal SemidiurnalAt(const PortTerms& t, const GroupAtInstant& at) {
  return {cosinePart(t, at, kM2) + cosinePart(t, at, kS2), sinePart(t, at, kM2) + sinePart(t, at, kS2)};
}

double SimplifiedHeight(const PortTerms& t, const GroupAtInstant& at) {
  const auto [x, y] = SemidiurnalAt(t, at);
  // R^2 cos(2 theta) = x^2 - y^2, R^2 sin(2 theta) = 2xy; R^3 cos(3 theta) = x^3 - 3xy^2, R^3 sin(3 theta) = 3x^2 y - y^3.
  const double quarter = t.quarterCosine * (x * x - y * y) - t.quarterSine * (2 * x * y);
  const double sixth = t.sixthCosine * (x * x * x - 3 * x * y * y) - t.sixthSine * (3 * x * x * y - y * y * y);
  return MeanLevelAt(t, at) + cosinePart(t, at, kO1) + cosinePart(t, at, kK1) + x + quarter + sixth;
}

double SimplifiedHeight(const SimplePort& port, const GroupAtInstant& group) {
  return SimplifiedHeight(TermsOf(port), group);
}

double RmsDifference(const SimplePort& port, const std::vector<GroupAtInstant>& groups,
                     const std::vector<double>& target) {
  if (groups.empty()) return 0;
  const PortTerms terms = TermsOf(port);
  double sum = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const double d = SimplifiedHeight(terms, groups[i]) - target[i];
    sum += d * d;
  }
  return std::sqrt(sum / static_cast<double>(groups.size()));
}

}  // namespace saltmark::tcd
