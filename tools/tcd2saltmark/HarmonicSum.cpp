#include "HarmonicSum.h"

#include <cmath>
#include <algorithm>
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
  // Every term turns together, sample by sample: the terms' cosine and sine
  // parts side by side, so that the turning runs over plain arrays.
  const std::size_t n = terms_.size();
  std::vector<double> heights(static_cast<std::size_t>(std::max(count, 0)), meanLevel_);
  std::vector<double> re(n), im(n), stepRe(n), stepIm(n);
  for (std::size_t k = 0; k < n; ++k) {
    stepRe[k] = std::cos(terms_[k].speed * stepHours);
    stepIm[k] = std::sin(terms_[k].speed * stepHours);
  }
  for (int first = 0; first < count; first += kReanchorEvery) {
    for (std::size_t k = 0; k < n; ++k) {
      const Term& t = terms_[k];
      const double angle = t.phase + t.speed * (startHours + first * stepHours);
      re[k] = t.amplitude * std::cos(angle);
      im[k] = t.amplitude * std::sin(angle);
    }
    const int last = std::min(count, first + kReanchorEvery);
    for (int i = first; i < last; ++i) {
      double h = 0;
      for (std::size_t k = 0; k < n; ++k) {
        h += re[k];
        const double turned = re[k] * stepRe[k] - im[k] * stepIm[k];
        im[k] = re[k] * stepIm[k] + im[k] * stepRe[k];
        re[k] = turned;
      }
      heights[static_cast<std::size_t>(i)] += h;
    }
  }
  return heights;
}

}  // namespace saltmark::tcd
