#include "StreamFit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/VbNumbers.h"
#include "engine/TideEngine.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark::tcd {
namespace {

int hourOf(int unknown) { return unknown % kStreamHours; }

Settings metricSettings() {
  Settings settings;
  settings.metricUnits = true;
  return settings;
}

// The program's stream engine on one reference port, in metric units.
struct PortStreams {
  explicit PortStreams(const LocationRecord& port) { engine.setPort(port); }
  Settings settings = metricSettings();
  TideEngine engine{settings};
  StreamEngine streams{engine};
  ScriptedPlatform quiet;  // a failed search is reported by the caller
};

}  // namespace

std::optional<CycleWalk> WalkCycles(const LocationRecord& port, DateTime first, double stepMinutes, int count) {
  PortStreams program(port);
  StreamEngine& streams = program.streams;
  const StreamEngine::ReferencePortLoader loaded = [](int) { return true; };
  CycleWalk walk;
  walk.places.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto place = streams.PlaceInCycle(0, first.addMinutes(i * stepMinutes), loaded, program.quiet);
    if (!place) return std::nullopt;
    walk.places.push_back(*place);
    const auto interval = minutesBetween(*streams.previousHighWater(), *streams.nextHighWater());
    walk.longestIntervalMinutes = std::max(walk.longestIntervalMinutes, static_cast<int>(interval));
  }
  return walk;
}

std::optional<StreamComponents> ProgramStreamAt(const LocationRecord& port, const StreamRecord& station, DateTime at) {
  PortStreams program(port);
  return program.streams.StreamAtInstant(station, 100, 0, at, [](int) { return true; }, program.quiet);
}

SampleWeights WeightsAt(const CyclePlace& place) {
  // The entries around h exactly as the engine takes them.
  const int i = static_cast<int>(Int(place.h));
  const double f = place.h - i, g = 1 - f;
  int j0 = i + 6;
  if (j0 >= 13) j0 = i - 7;
  int j1 = j0 + 1;
  if (j1 >= 13) j1 = j0 - 12;
  const double F = place.springNeapFraction;
  SampleWeights w;
  w.unknown = {j0, kStreamHours + j0, j1, kStreamHours + j1};
  w.weight = {g * F, g * (1 - F), f * F, f * (1 - F)};
  return w;
}

Bearing BearingOf(double degrees) {
  // The engine turns a set into radians in single precision.
  const float theta = Single(degrees * kDegreesToRadians);
  return {std::sin(theta), std::cos(theta)};
}

void StreamNormals::add(const SampleWeights& w, Bearing target, Bearing flood, Bearing ebb) {
  const double towardFlood = target.east * flood.east + target.north * flood.north;
  const double towardEbb = target.east * ebb.east + target.north * ebb.north;
  for (int a = 0; a < 4; ++a) {
    const int u = w.unknown[static_cast<std::size_t>(a)];
    alongFlood[static_cast<std::size_t>(u)] += w.weight[static_cast<std::size_t>(a)] * towardFlood;
    alongEbb[static_cast<std::size_t>(u)] += w.weight[static_cast<std::size_t>(a)] * towardEbb;
    for (int b = 0; b < 4; ++b)
      gram[static_cast<std::size_t>(u)][static_cast<std::size_t>(w.unknown[static_cast<std::size_t>(b)])] +=
          w.weight[static_cast<std::size_t>(a)] * w.weight[static_cast<std::size_t>(b)];
  }
  targetSquares += target.east * target.east + target.north * target.north;
  ++samples;
}

namespace {

// The normal equations of one choice of sets: M x = b.
struct Normals {
  std::array<std::array<double, kRateUnknowns>, kRateUnknowns> m{};
  std::array<double, kRateUnknowns> b{};
};

Normals normalsFor(const StreamNormals& n, const std::array<bool, kStreamHours>& floods) {
  Normals out;
  for (int u = 0; u < kRateUnknowns; ++u) {
    const bool fu = floods[static_cast<std::size_t>(hourOf(u))];
    out.b[static_cast<std::size_t>(u)] = fu ? n.alongFlood[static_cast<std::size_t>(u)] : n.alongEbb[static_cast<std::size_t>(u)];
    for (int v = 0; v < kRateUnknowns; ++v) {
      const bool fv = floods[static_cast<std::size_t>(hourOf(v))];
      out.m[static_cast<std::size_t>(u)][static_cast<std::size_t>(v)] =
          n.gram[static_cast<std::size_t>(u)][static_cast<std::size_t>(v)] * (fu == fv ? 1.0 : n.floodDotEbb);
    }
  }
  return out;
}

double squaresOf(const StreamNormals& n, const Normals& e, const std::array<double, kRateUnknowns>& x) {
  double s = n.targetSquares;
  for (std::size_t u = 0; u < x.size(); ++u) {
    s -= 2 * x[u] * e.b[u];
    for (std::size_t v = 0; v < x.size(); ++v) s += x[u] * x[v] * e.m[u][v];
  }
  return s;
}

// The unconstrained solution over the free unknowns (the others held at 0),
// by Gaussian elimination with partial pivoting; false when singular.
bool solveFree(const Normals& e, const std::array<bool, kRateUnknowns>& free, std::array<double, kRateUnknowns>& x) {
  std::vector<int> index;
  for (int u = 0; u < kRateUnknowns; ++u)
    if (free[static_cast<std::size_t>(u)]) index.push_back(u);
  const std::size_t n = index.size();
  std::vector<std::vector<double>> a(n, std::vector<double>(n + 1));
  for (std::size_t r = 0; r < n; ++r) {
    for (std::size_t c = 0; c < n; ++c)
      a[r][c] = e.m[static_cast<std::size_t>(index[r])][static_cast<std::size_t>(index[c])];
    a[r][n] = e.b[static_cast<std::size_t>(index[r])];
  }
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    if (std::fabs(a[pivot][c]) < 1e-12) return false;
    std::swap(a[c], a[pivot]);
    for (std::size_t r = c + 1; r < n; ++r) {
      const double k = a[r][c] / a[c][c];
      for (std::size_t k2 = c; k2 <= n; ++k2) a[r][k2] -= k * a[c][k2];
    }
  }
  x.fill(0);
  for (std::size_t c = n; c-- > 0;) {
    double v = a[c][n];
    for (std::size_t k = c + 1; k < n; ++k) v -= a[c][k] * x[static_cast<std::size_t>(index[k])];
    x[static_cast<std::size_t>(index[c])] = v / a[c][c];
  }
  return true;
}

// Non-negative least squares (Lawson and Hanson) on the normal equations.
std::array<double, kRateUnknowns> solveNonNegative(const Normals& e) {
  std::array<double, kRateUnknowns> x{};
  std::array<bool, kRateUnknowns> free{};
  for (int round = 0; round < 3 * kRateUnknowns; ++round) {
    // The unknown whose rise would help most.
    int enter = -1;
    double steepest = 1e-10;
    for (std::size_t u = 0; u < x.size(); ++u) {
      if (free[u]) continue;
      double w = e.b[u];
      for (std::size_t v = 0; v < x.size(); ++v) w -= e.m[u][v] * x[v];
      if (w > steepest && e.m[u][u] > 0) {
        steepest = w;
        enter = static_cast<int>(u);
      }
    }
    if (enter < 0) break;
    free[static_cast<std::size_t>(enter)] = true;
    for (int inner = 0; inner < 3 * kRateUnknowns; ++inner) {
      std::array<double, kRateUnknowns> z{};
      if (!solveFree(e, free, z)) {
        free[static_cast<std::size_t>(enter)] = false;
        return x;
      }
      bool positive = true;
      for (std::size_t u = 0; u < x.size(); ++u)
        if (free[u] && z[u] <= 0) positive = false;
      if (positive) {
        x = z;
        break;
      }
      // Step toward z as far as every unknown stays non-negative.
      double alpha = 1;
      for (std::size_t u = 0; u < x.size(); ++u)
        if (free[u] && z[u] <= 0) alpha = std::min(alpha, x[u] / (x[u] - z[u]));
      for (std::size_t u = 0; u < x.size(); ++u) {
        x[u] += alpha * (z[u] - x[u]);
        if (free[u] && x[u] <= 1e-12) {
          x[u] = 0;
          free[u] = false;
        }
      }
    }
  }
  return x;
}

}  // namespace

double RmsOf(const StreamNormals& n, const RateRecord& r) {
  if (n.samples == 0) return 0;
  return std::sqrt(std::max(0.0, squaresOf(n, normalsFor(n, r.floods), r.rates)) / n.samples);
}

RateRecord FitRecord(const StreamNormals& n) {
  RateRecord best;
  for (int j = 0; j < kStreamHours; ++j) {
    const auto s = static_cast<std::size_t>(j), t = static_cast<std::size_t>(kStreamHours + j);
    best.floods[s] = n.alongFlood[s] + n.alongFlood[t] >= n.alongEbb[s] + n.alongEbb[t];
  }
  best.rates = solveNonNegative(normalsFor(n, best.floods));
  double bestRms = RmsOf(n, best);
  for (bool turned = true; turned;) {
    turned = false;
    for (std::size_t j = 0; j < best.floods.size(); ++j) {
      RateRecord trial = best;
      trial.floods[j] = !trial.floods[j];
      trial.rates = solveNonNegative(normalsFor(n, trial.floods));
      const double rms = RmsOf(n, trial);
      if (rms < bestRms - 1e-9) {
        best = trial;
        bestRms = rms;
        turned = true;
      }
    }
  }
  return best;
}

RateRecord Rounded(const RateRecord& r) {
  RateRecord out = r;
  for (double& rate : out.rates) rate = std::clamp(std::round(rate * 100), 0.0, 32700.0) / 100;
  return out;
}

RateRecord SimpleRecord(double m2, double s2, double lagAfterPortDegrees) {
  RateRecord r;
  for (int j = 0; j < kStreamHours; ++j) {
    const int h = j >= kStreamHighWaterHour ? j - kStreamHighWaterHour : j + 7;
    const double along = std::cos((360.0 * h / 13 - lagAfterPortDegrees) * std::numbers::pi / 180);
    r.floods[static_cast<std::size_t>(j)] = along >= 0;
    r.rates[static_cast<std::size_t>(j)] = (m2 + s2) * std::fabs(along);
    r.rates[static_cast<std::size_t>(kStreamHours + j)] = std::max(0.0, m2 - s2) * std::fabs(along);
  }
  return Rounded(r);
}

StreamRecord AsStreamRecord(const RateRecord& r, int floodDirection, int ebbDirection) {
  StreamRecord s;
  s.speedUnits = 0;  // knots
  for (std::size_t j = 0; j < static_cast<std::size_t>(kStreamHours); ++j) {
    s.direction[j] = static_cast<std::int16_t>(r.floods[j] ? floodDirection : ebbDirection);
    s.springRate[j] = static_cast<std::int16_t>(std::lround(r.rates[j] * 100));
    s.neapRate[j] = static_cast<std::int16_t>(std::lround(r.rates[kStreamHours + j] * 100));
  }
  return s;
}

}  // namespace saltmark::tcd
