#include "HarmonicSum.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace saltmark::tcd {
namespace {
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
// The turning of each term is re-anchored this often, so that rounding in the
// repeated multiplication never builds up.
constexpr int kReanchorEvery = 256;
}  // namespace

double EpochAtUtc(double epochDegrees, double speedDegreesPerHour, int meridian) {
  const int hours = meridian / 100;
  const int minutes = meridian % 100;  // carries the sign of the meridian
  return epochDegrees - speedDegreesPerHour * (hours + minutes / 60.0);
}

std::optional<HarmonicSum> HarmonicSum::forYear(const ReferenceStation& station, const ConstituentSet& set,
                                                int year) {
  const auto metres = MetresPerLevelUnit(station.levelUnits);
  if (!metres || !set.covers(year)) return std::nullopt;
  const auto y = static_cast<std::size_t>(year - set.startYear);
  HarmonicSum sum;
  sum.meanLevel_ = station.datumOffset * *metres;
  for (const HarmonicTerm& t : station.terms) {
    const Constituent& c = set.constituents.at(static_cast<std::size_t>(t.constituent));
    const double epoch = EpochAtUtc(t.epoch, c.speed, station.meridian);
    sum.terms_.push_back({t.amplitude * *metres * c.nodeFactor[y], (c.equilibrium[y] - epoch) * kRadiansPerDegree,
                          c.speed * kRadiansPerDegree});
  }
  return sum;
}

double HarmonicSum::heightAt(double hoursUtc) const {
  double h = meanLevel_;
  for (const Term& t : terms_) h += t.amplitude * std::cos(t.phase + t.speed * hoursUtc);
  return h;
}

std::vector<double> HarmonicSum::sample(double startHours, double stepHours, int count) const {
  std::vector<double> heights(static_cast<std::size_t>(std::max(count, 0)), meanLevel_);
  for (const Term& t : terms_) {
    const std::complex<double> step = std::polar(1.0, t.speed * stepHours);
    std::complex<double> turn;
    for (int i = 0; i < count; ++i) {
      if (i % kReanchorEvery == 0) turn = std::polar(t.amplitude, t.phase + t.speed * (startHours + i * stepHours));
      heights[static_cast<std::size_t>(i)] += turn.real();
      turn *= step;
    }
  }
  return heights;
}

}  // namespace saltmark::tcd
