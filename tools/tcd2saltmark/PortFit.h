#pragma once
// Fitting a port's simplified constants to the full-constituent tide.
//
// The simplified formula is linear in the mean level and its seasonal
// corrections, and in the cosine and sine parts (H cos g, H sin g) of the
// four constituents; the shallow-water terms are linear in their own cosine
// and sine parts once the combined semidiurnal amplitude R and angle theta
// are known, and those depend on M2 and S2 alone. So the fit solves the
// linear least-squares problem with R and theta taken from the last
// estimate, and repeats until the error stops falling; the best estimate
// seen is kept.
//
// The normal equations are gathered once per round in the finest terms the
// forms share (a level for each month and for each spring-neap day), from
// which each form's equations are summed. Everything that does not depend on
// the port (the products of the constituents' and the levels' columns) is
// worked out once for a set of samples and shared by every port fitted to it.
#include <array>
#include <vector>

#include "SimplePort.h"
#include "SimplifiedModel.h"

namespace saltmark::tcd {

// How the mean level may vary: not at all; by month; by month and with the
// spring-neap cycle.
enum class LevelForm { constant, monthly, springNeap };

// Columns of the gathered normal equations: a level per month, a level per
// spring-neap day, the cosine and sine parts of the four constituents and of
// the two shallow-water terms.
inline constexpr int kFitColumns = kMonths + kSpringNeapDays + 2 * kPrincipalCount + 4;
using FitRow = std::array<double, kFitColumns>;
using FitMatrix = std::array<FitRow, kFitColumns>;

// The sample instants of a fit with the port-independent part of its normal
// equations. Built once (it takes a pass over the samples) and read by many
// fits at once.
class FitSamples {
 public:
  explicit FitSamples(std::vector<GroupAtInstant> groups);
  const std::vector<GroupAtInstant>& groups() const { return groups_; }
  // The products of every column but the shallow-water ones, summed over the samples.
  const FitMatrix& fixedProducts() const { return fixed_; }

 private:
  std::vector<GroupAtInstant> groups_;
  FitMatrix fixed_{};
};

struct FitResult {
  SimplePort port;      // the start itself when nothing was solved
  bool solved = false;  // false: no samples, or a singular system
  double rms = 0;       // of port against the target, metres
};

// target[i] is the full-constituent height at sample i (metres). start gives
// the zone and the first R and theta. The result is the best estimate of
// the rounds, even where it does not beat the start (the caller compares).
// A start that is already a fit of the same samples needs one round only.
FitResult FitPort(const SimplePort& start, const FitSamples& samples, const std::vector<double>& target,
                  LevelForm form, int maxRounds = 8);

// A constant mean level; returns start itself when the fit fails (a
// singular system) or does not beat it.
SimplePort FitPort(const SimplePort& start, const std::vector<GroupAtInstant>& groups,
                   const std::vector<double>& target);

}  // namespace saltmark::tcd
