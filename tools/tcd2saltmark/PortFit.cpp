#include "PortFit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>

namespace saltmark::tcd {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

constexpr int kMonthColumn = 0;
constexpr int kDayColumn = kMonthColumn + kMonths;
constexpr int kConstituentColumn = kDayColumn + kSpringNeapDays;
constexpr int kConstituentColumns = 2 * kPrincipalCount;
constexpr int kShallowColumn = kConstituentColumn + kConstituentColumns;
constexpr int kShallowColumns = 4;

int monthColumn(const GroupAtInstant& at) { return kMonthColumn + std::clamp(at.month, 0, kMonths - 1); }
int dayColumn(const GroupAtInstant& at) {
  return kDayColumn + std::clamp(at.springNeapDay + 7, 0, kSpringNeapDays - 1);
}

// F H cos(g + phase) = (H cos g) F cos(phase) - (H sin g) F sin(phase).
std::array<double, kConstituentColumns> constituentColumns(const GroupAtInstant& at) {
  std::array<double, kConstituentColumns> c{};
  for (int g = 0; g < kPrincipalCount; ++g) {
    c[2 * g] = at.cosine[g];
    c[2 * g + 1] = -at.sine[g];
  }
  return c;
}

// c R^2 cos(2 theta + p) = (c cos p) R^2 cos 2 theta - (c sin p) R^2 sin 2 theta, likewise for 3 theta,
// with the semidiurnal tide (and so R and theta) of the estimate.
std::array<double, kShallowColumns> shallowColumns(const PortTerms& estimate, const GroupAtInstant& at) {
  const auto [x, y] = SemidiurnalAt(estimate, at);
  return {x * x - y * y, -2 * x * y, x * x * x - 3 * x * y * y, -(3 * x * x * y - y * y * y)};
}

void mirrorUpperTriangle(FitMatrix& a) {
  for (int r = 0; r < kFitColumns; ++r)
    for (int c = 0; c < r; ++c) a[r][c] = a[c][r];
}

// One round's normal equations in the gathered columns.
struct Gathered {
  FitMatrix a{};
  FitRow b{};
  double targetSquares = 0;
};

// The right-hand side of every column but the shallow-water ones: the same in every round.
Gathered fixedPart(const FitSamples& samples, const std::vector<double>& target) {
  Gathered g;
  g.a = samples.fixedProducts();
  const auto& groups = samples.groups();
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const double t = target[i];
    g.b[monthColumn(groups[i])] += t;
    g.b[dayColumn(groups[i])] += t;
    const auto c = constituentColumns(groups[i]);
    for (int k = 0; k < kConstituentColumns; ++k) g.b[kConstituentColumn + k] += c[k] * t;
    g.targetSquares += t * t;
  }
  return g;
}

// Adds the shallow-water columns for this round's estimate.
Gathered withShallowTerms(Gathered g, const FitSamples& samples, const std::vector<double>& target,
                          const PortTerms& estimate) {
  std::array<std::array<double, kShallowColumns>, kFitColumns> products{};  // column x shallow column
  std::array<double, kShallowColumns> right{};
  const auto& groups = samples.groups();
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const auto s = shallowColumns(estimate, groups[i]);
    const auto c = constituentColumns(groups[i]);
    const int m = monthColumn(groups[i]), d = dayColumn(groups[i]);
    for (int j = 0; j < kShallowColumns; ++j) {
      products[m][j] += s[j];
      products[d][j] += s[j];
      for (int k = 0; k < kConstituentColumns; ++k) products[kConstituentColumn + k][j] += c[k] * s[j];
      for (int k = 0; k <= j; ++k) products[kShallowColumn + k][j] += s[k] * s[j];
      right[j] += s[j] * target[i];
    }
  }
  for (int j = 0; j < kShallowColumns; ++j) {
    for (int r = 0; r <= kShallowColumn + j; ++r) g.a[r][kShallowColumn + j] = products[r][j];
    g.b[kShallowColumn + j] = right[j];
  }
  mirrorUpperTriangle(g.a);
  return g;
}

// One unknown of a form as a sum of gathered columns with weights.
using Combination = std::vector<std::pair<int, double>>;

int levelUnknowns(LevelForm form) {
  switch (form) {
    case LevelForm::constant: return 1;
    case LevelForm::monthly: return kMonths;
    case LevelForm::springNeap: return kSpringNeapLevels + kMonths - 1;
  }
  return 1;
}

// constant: the mean level. monthly: a level for each month (the mean level
// is their average). springNeap: a level for each of 0..7 days from springs,
// then corrections for January..November (December's is minus their sum, so
// that they average zero).
std::vector<Combination> unknownsOf(LevelForm form, int springNeapOffset) {
  std::vector<Combination> unknowns;
  switch (form) {
    case LevelForm::constant: {
      Combination all;
      for (int m = 0; m < kMonths; ++m) all.push_back({kMonthColumn + m, 1});
      unknowns.push_back(all);
      break;
    }
    case LevelForm::monthly:
      for (int m = 0; m < kMonths; ++m) unknowns.push_back({{kMonthColumn + m, 1}});
      break;
    case LevelForm::springNeap:
      for (int k = 0; k < kSpringNeapLevels; ++k) {
        Combination days;
        for (int d = -7; d <= 7; ++d)
          if (SpringNeapIndex(springNeapOffset, d) == k) days.push_back({kDayColumn + d + 7, 1});
        unknowns.push_back(days);
      }
      for (int m = 0; m + 1 < kMonths; ++m) unknowns.push_back({{kMonthColumn + m, 1}, {kMonthColumn + kMonths - 1, -1}});
      break;
  }
  for (int k = 0; k < kConstituentColumns + kShallowColumns; ++k) unknowns.push_back({{kConstituentColumn + k, 1}});
  return unknowns;
}

struct Solution {
  std::vector<double> x;
  double squares = 0;  // sum of squared residuals of the linear problem
};

// Solves the form's normal equations (scaled to a unit diagonal, by Gaussian
// elimination with partial pivoting); nothing when they are singular. A
// shallow-water term whose column is zero at every sample (where R never
// leaves 0) is held at 0.
std::optional<Solution> solveForm(const Gathered& g, const std::vector<Combination>& unknowns) {
  const std::size_t n = unknowns.size();
  std::vector<std::vector<double>> a(n, std::vector<double>(n));
  std::vector<double> b(n), scale(n, 1);
  for (std::size_t p = 0; p < n; ++p) {
    for (const auto& [i, wi] : unknowns[p]) b[p] += wi * g.b[i];
    for (std::size_t q = p; q < n; ++q) {
      double sum = 0;
      for (const auto& [i, wi] : unknowns[p])
        for (const auto& [j, wj] : unknowns[q]) sum += wi * wj * g.a[i][j];
      a[p][q] = a[q][p] = sum;
    }
  }
  const std::vector<double> originalB = b;
  for (std::size_t p = 0; p < n; ++p) {
    if (a[p][p] > 0) {
      scale[p] = 1 / std::sqrt(a[p][p]);
    } else if (p + kShallowColumns < n) {
      return std::nullopt;  // a level with no samples (a month of none): nothing can be said
    } else {
      std::fill(a[p].begin(), a[p].end(), 0.0);
      for (auto& row : a) row[p] = 0;
      a[p][p] = 1;
      b[p] = 0;
    }
  }
  for (std::size_t p = 0; p < n; ++p) {
    b[p] *= scale[p];
    for (std::size_t q = 0; q < n; ++q) a[p][q] *= scale[p] * scale[q];
  }
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (!(std::fabs(a[pivot][col]) > 1e-11)) return std::nullopt;
    std::swap(a[pivot], a[col]);
    std::swap(b[pivot], b[col]);
    for (std::size_t r = col + 1; r < n; ++r) {
      const double f = a[r][col] / a[col][col];
      for (std::size_t c = col; c < n; ++c) a[r][c] -= f * a[col][c];
      b[r] -= f * b[col];
    }
  }
  Solution s;
  s.x.assign(n, 0);
  for (std::size_t r = n; r-- > 0;) {
    double sum = b[r];
    for (std::size_t c = r + 1; c < n; ++c) sum -= a[r][c] * s.x[c];
    s.x[r] = sum / a[r][r];
  }
  for (std::size_t p = 0; p < n; ++p) s.x[p] *= scale[p];
  for (double v : s.x)
    if (!std::isfinite(v)) return std::nullopt;
  s.squares = g.targetSquares;
  for (std::size_t p = 0; p < n; ++p) s.squares -= s.x[p] * originalB[p];
  return s;
}

void setPolar(double c, double s, double& magnitude, double& degrees) {
  magnitude = std::hypot(c, s);
  degrees = magnitude > 0 ? NormalDegrees(std::atan2(s, c) / kRadiansPerDegree) : 0.0;
}

SimplePort portFrom(const SimplePort& estimate, LevelForm form, int springNeapOffset, const std::vector<double>& x) {
  SimplePort port = estimate;
  port.monthlyLevel = {};
  port.followsSpringNeap = false;
  port.springNeapOffset = 0;
  port.springNeapLevel = {};
  switch (form) {
    case LevelForm::constant:
      port.meanLevel = x[0];
      break;
    case LevelForm::monthly: {
      double sum = 0;
      for (int m = 0; m < kMonths; ++m) sum += x[m];
      port.meanLevel = sum / kMonths;
      for (int m = 0; m < kMonths; ++m) port.monthlyLevel[m] = x[m] - port.meanLevel;
      break;
    }
    case LevelForm::springNeap: {
      port.followsSpringNeap = true;
      port.springNeapOffset = springNeapOffset;
      for (int k = 0; k < kSpringNeapLevels; ++k) port.springNeapLevel[k] = x[k];
      double december = 0;
      for (int m = 0; m + 1 < kMonths; ++m) {
        port.monthlyLevel[m] = x[kSpringNeapLevels + m];
        december -= port.monthlyLevel[m];
      }
      port.monthlyLevel[kMonths - 1] = december;
      double sum = 0;
      for (int d = -7; d <= 7; ++d) sum += port.springNeapLevel[SpringNeapIndex(springNeapOffset, d)];
      port.meanLevel = sum / kSpringNeapDays;
      break;
    }
  }
  const int first = levelUnknowns(form);
  for (int g = 0; g < kPrincipalCount; ++g)
    setPolar(x[first + 2 * g], x[first + 2 * g + 1], port.amplitude[g], port.phase[g]);
  const int shallow = first + kConstituentColumns;
  setPolar(x[shallow], x[shallow + 1], port.quarterCoefficient, port.quarterPhase);
  setPolar(x[shallow + 2], x[shallow + 3], port.sixthCoefficient, port.sixthPhase);
  return port;
}

// One round: the best port of the form for the estimate's R and theta (for
// the spring-neap form, with the day offset that leaves the least error).
std::optional<SimplePort> fitRound(const SimplePort& estimate, const Gathered& fixed, const FitSamples& samples,
                                   const std::vector<double>& target, LevelForm form) {
  const Gathered g = withShallowTerms(fixed, samples, target, TermsOf(estimate));
  if (form != LevelForm::springNeap) {
    const auto s = solveForm(g, unknownsOf(form, 0));
    if (!s) return std::nullopt;
    return portFrom(estimate, form, 0, s->x);
  }
  std::optional<Solution> best;
  int bestOffset = 0;
  for (int offset = -7; offset <= 7; ++offset) {
    auto s = solveForm(g, unknownsOf(form, offset));
    if (s && (!best || s->squares < best->squares)) {
      best = std::move(s);
      bestOffset = offset;
    }
  }
  if (!best) return std::nullopt;
  return portFrom(estimate, form, bestOffset, best->x);
}

}  // namespace

FitSamples::FitSamples(std::vector<GroupAtInstant> groups) : groups_(std::move(groups)) {
  for (const GroupAtInstant& at : groups_) {
    const int m = monthColumn(at), d = dayColumn(at);
    const auto c = constituentColumns(at);
    fixed_[m][m] += 1;
    fixed_[m][d] += 1;
    fixed_[d][d] += 1;
    for (int k = 0; k < kConstituentColumns; ++k) {
      fixed_[m][kConstituentColumn + k] += c[k];
      fixed_[d][kConstituentColumn + k] += c[k];
      for (int l = k; l < kConstituentColumns; ++l) fixed_[kConstituentColumn + k][kConstituentColumn + l] += c[k] * c[l];
    }
  }
  mirrorUpperTriangle(fixed_);
}

FitResult FitPort(const SimplePort& start, const FitSamples& samples, const std::vector<double>& target,
                  LevelForm form, int maxRounds) {
  FitResult result{start, false, 0};
  const auto& groups = samples.groups();
  if (groups.empty() || groups.size() != target.size()) return result;
  const Gathered fixed = fixedPart(samples, target);
  double bestRms = std::numeric_limits<double>::infinity();
  SimplePort estimate = start;
  for (int round = 0; round < maxRounds; ++round) {
    const auto next = fitRound(estimate, fixed, samples, target, form);
    if (!next) break;
    const double rms = RmsDifference(*next, groups, target);
    if (!(rms < bestRms)) break;  // no longer improving
    const bool settled = bestRms - rms < 1e-5;  // a hundredth of a millimetre
    result = {*next, true, rms};
    bestRms = rms;
    if (settled) break;
    estimate = *next;
  }
  return result;
}

SimplePort FitPort(const SimplePort& start, const std::vector<GroupAtInstant>& groups,
                   const std::vector<double>& target) {
  if (groups.empty() || groups.size() != target.size()) return start;
  const FitResult fitted = FitPort(start, FitSamples(groups), target, LevelForm::constant);
  return fitted.solved && fitted.rms < RmsDifference(start, groups, target) ? fitted.port : start;
}

}  // namespace saltmark::tcd
