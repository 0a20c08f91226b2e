#pragma once
// A stream station's record fitted to its full harmonic current.
//
// The program places every instant in its reference port's cycle (h, 0 at
// the previous high water to 13 at the next) and blends springs and neaps by
// the spring-neap fraction F of that cycle; the stream at the instant is
//   g (F S[j0] + (1-F) N[j0]) u[j0] + f (F S[j1] + (1-F) N[j1]) u[j1]
// with j0, j1 the two hourly entries around h, f and g = 1 - f their shares,
// S and N the spring and neap rates and u the unit vector of the set. For a
// rectilinear station every set is the flood or the ebb direction, so with
// the sets chosen the rates enter linearly: the samples of a year build the
// normal equations once and any choice of sets and rates is scored from them.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/StreamRecord.h"
#include "engine/StreamEngine.h"

namespace saltmark::tcd {

inline constexpr int kRateUnknowns = 2 * kStreamHours;  // spring rates, then neap rates

// The place of each sample of a run in the port's cycle, as the program's
// engine finds it; nothing when a sample has no high-water interval.
struct CycleWalk {
  std::vector<CyclePlace> places;
  int longestIntervalMinutes = 0;  // the longest high-water interval met
};
std::optional<CycleWalk> WalkCycles(const LocationRecord& port, DateTime first, double stepMinutes, int count);

// The program's stream of a station at an instant (port time, knots) when
// its reference port's engine starts afresh there; nothing when no pair is found.
std::optional<StreamComponents> ProgramStreamAt(const LocationRecord& port, const StreamRecord& station, DateTime at);

// The entries and weights of one sample: its stream is the sum over the four
// (unknown, weight) pairs of weight x rate x the set of that unknown's hour.
struct SampleWeights {
  std::array<int, 4> unknown{};
  std::array<double, 4> weight{};
};
SampleWeights WeightsAt(const CyclePlace& place);

// East and north of a set in whole degrees true.
struct Bearing {
  double east = 0, north = 0;
};
Bearing BearingOf(double degrees);

struct StreamNormals {
  std::array<std::array<double, kRateUnknowns>, kRateUnknowns> gram{};
  std::array<double, kRateUnknowns> alongFlood{}, alongEbb{};
  double targetSquares = 0;
  int samples = 0;
  double floodDotEbb = -1;  // cosine of the angle between the two sets

  void add(const SampleWeights& w, Bearing target, Bearing flood, Bearing ebb);
};

// A candidate record in knots: for each hour whether it sets on the flood,
// and the non-negative spring and neap rates.
struct RateRecord {
  std::array<bool, kStreamHours> floods{};
  std::array<double, kRateUnknowns> rates{};
};

// Root mean square of the vector difference over the samples, knots.
double RmsOf(const StreamNormals& n, const RateRecord& r);

// Least squares with non-negative rates; the sets start from the side each
// hour's samples lean to and are turned one hour at a time while that helps.
RateRecord FitRecord(const StreamNormals& n);

// Rates rounded to the hundredths a record stores.
RateRecord Rounded(const RateRecord& r);

// The mean-springs / mean-neaps record of the semidiurnal constants: the
// speed along the axis at each hour's share of the cycle after the port's M2
// high water, (M2 +- S2) x cos(angle - (station M2 lag - port M2 lag)).
RateRecord SimpleRecord(double m2, double s2, double lagAfterPortDegrees);

StreamRecord AsStreamRecord(const RateRecord& r, int floodDirection, int ebbDirection);

}  // namespace saltmark::tcd
