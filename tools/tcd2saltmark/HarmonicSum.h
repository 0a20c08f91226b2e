#pragma once
// The full-constituent tide of a reference station: the standard harmonic sum
//   h(t) = Z0 + sum of f H cos(V0 + w t - G)
// over every constituent the station has, where t is hours of UTC since
// 1 January of the year, V0 the constituent's equilibrium argument at that
// moment, f its node factor for the year, w its speed and G the station's
// epoch referred to UTC. It is the yardstick the simplified ports are fitted
// to and measured against.
#include <optional>
#include <vector>

#include "TcdData.h"

namespace saltmark::tcd {

class HarmonicSum {
 public:
  // Nothing when the tables do not cover the year or the station's level
  // unit is unknown. Heights come out in metres.
  static std::optional<HarmonicSum> forYear(const ReferenceStation& station, const ConstituentSet& set, int year);

  // The height (metres above chart datum) at t hours of UTC after 1 January 00:00.
  double heightAt(double hoursUtc) const;
  // count heights from startHours every stepHours; much faster than heightAt
  // one by one (each term turns by a fixed angle from one sample to the next).
  std::vector<double> sample(double startHours, double stepHours, int count) const;

 private:
  struct Term {
    double amplitude;  // f H, metres
    double phase;      // V0 - G, radians
    double speed;      // radians per hour
  };
  double meanLevel_ = 0;
  std::vector<Term> terms_;
};

// An epoch referred to a meridian (hours * 100 + minutes east of UTC, as TCD
// stores it) brought to UTC: G = g - w m.
double EpochAtUtc(double epochDegrees, double speedDegreesPerHour, int meridian);

}  // namespace saltmark::tcd
