#include "PortFit.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace saltmark::tcd {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr int kUnknowns = 13;  // mean level, 4 x (cos, sin), 2 x (cos, sin) of the shallow terms
constexpr int kRounds = 8;

using Row = std::array<double, kUnknowns>;

// Solves the normal equations by Gaussian elimination with partial pivoting;
// nothing when the system is singular.
std::optional<Row> solve(std::array<Row, kUnknowns> a, Row b) {
  for (int col = 0; col < kUnknowns; ++col) {
    int pivot = col;
    for (int r = col + 1; r < kUnknowns; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (std::fabs(a[pivot][col]) < 1e-14) return std::nullopt;
    std::swap(a[pivot], a[col]);
    std::swap(b[pivot], b[col]);
    for (int r = col + 1; r < kUnknowns; ++r) {
      const double f = a[r][col] / a[col][col];
      for (int c = col; c < kUnknowns; ++c) a[r][c] -= f * a[col][c];
      b[r] -= f * b[col];
    }
  }
  Row x{};
  for (int r = kUnknowns - 1; r >= 0; --r) {
    double s = b[r];
    for (int c = r + 1; c < kUnknowns; ++c) s -= a[r][c] * x[c];
    x[r] = s / a[r][r];
  }
  return x;
}

// The basis functions at one sample, with the semidiurnal tide (and so R
// and theta) from the estimate.
Row basisAt(const PortTerms& estimate, const GroupAtInstant& at) {
  Row row{};
  row[0] = 1;
  for (int g = 0; g < kPrincipalCount; ++g) {
    // F H cos(g + phase) = (H cos g) F cos(phase) - (H sin g) F sin(phase)
    row[1 + 2 * g] = at.cosine[g];
    row[2 + 2 * g] = -at.sine[g];
  }
  const auto [x, y] = SemidiurnalAt(estimate, at);
  // c R^2 cos(2 theta + p) = (c cos p) R^2 cos 2 theta - (c sin p) R^2 sin 2 theta, likewise for 3 theta.
  row[9] = x * x - y * y;
  row[10] = -2 * x * y;
  row[11] = x * x * x - 3 * x * y * y;
  row[12] = -(3 * x * x * y - y * y * y);
  return row;
}

void setPolar(double c, double s, double& magnitude, double& degrees) {
  magnitude = std::hypot(c, s);
  degrees = magnitude > 0 ? NormalDegrees(std::atan2(s, c) / kRadiansPerDegree) : 0.0;
}

std::optional<SimplePort> fitRound(const SimplePort& estimate, const std::vector<GroupAtInstant>& groups,
                                   const std::vector<double>& target) {
  std::array<Row, kUnknowns> normal{};
  Row right{};
  const PortTerms terms = TermsOf(estimate);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const Row row = basisAt(terms, groups[i]);
    for (int r = 0; r < kUnknowns; ++r) {
      right[r] += row[r] * target[i];
      for (int c = r; c < kUnknowns; ++c) normal[r][c] += row[r] * row[c];
    }
  }
  for (int r = 0; r < kUnknowns; ++r)
    for (int c = 0; c < r; ++c) normal[r][c] = normal[c][r];
  // Where R never leaves 0 the shallow terms have nothing to fit: hold them at 0.
  for (int r = 9; r < kUnknowns; ++r)
    if (normal[r][r] == 0) normal[r][r] = 1;
  const auto x = solve(normal, right);
  if (!x) return std::nullopt;

  SimplePort port = estimate;
  port.meanLevel = (*x)[0];
  for (int g = 0; g < kPrincipalCount; ++g) setPolar((*x)[1 + 2 * g], (*x)[2 + 2 * g], port.amplitude[g], port.phase[g]);
  setPolar((*x)[9], (*x)[10], port.quarterCoefficient, port.quarterPhase);
  setPolar((*x)[11], (*x)[12], port.sixthCoefficient, port.sixthPhase);
  for (double v : *x)
    if (!std::isfinite(v)) return std::nullopt;
  return port;
}

}  // namespace

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

SimplePort FitPort(const SimplePort& start, const std::vector<GroupAtInstant>& groups,
                   const std::vector<double>& target) {
  SimplePort best = start;
  if (groups.empty() || groups.size() != target.size()) return best;
  double bestRms = RmsDifference(start, groups, target);
  SimplePort estimate = start;
  for (int round = 0; round < kRounds; ++round) {
    const auto next = fitRound(estimate, groups, target);
    if (!next) break;
    const double rms = RmsDifference(*next, groups, target);
    if (!(rms < bestRms)) {
      if (round > 0) break;  // no longer improving
    } else {
      const bool settled = bestRms - rms < 1e-6;
      best = *next;
      bestRms = rms;
      if (settled) break;
    }
    estimate = *next;
  }
  return best;
}

}  // namespace saltmark::tcd
