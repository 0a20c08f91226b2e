#include "Accuracy.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tables/WaterDetectors.h"

namespace saltmark::tcd {
namespace {

constexpr double kMatchWindowHours = 3;

void matchEvents(const std::vector<TideEvent>& full, const std::vector<TideEvent>& simplified, bool high,
                 EventErrors& errors) {
  std::vector<double> times;
  std::vector<const TideEvent*> candidates;
  for (const TideEvent& e : simplified)
    if (e.high == high) candidates.push_back(&e);
  for (const TideEvent& e : full) {
    if (e.high != high) continue;
    const auto after = std::ranges::lower_bound(candidates, e.hours, {}, &TideEvent::hours);
    const TideEvent* best = nullptr;
    if (after != candidates.end()) best = *after;
    if (after != candidates.begin() && (!best || e.hours - (*(after - 1))->hours < best->hours - e.hours))
      best = *(after - 1);
    if (!best || std::fabs(best->hours - e.hours) > kMatchWindowHours) {
      ++errors.missed;
      continue;
    }
    errors.minutes.push_back(std::fabs(best->hours - e.hours) * 60);
    errors.metres.push_back(std::fabs(best->height - e.height));
  }
}

}  // namespace

std::vector<TideEvent> FindTideEvents(const std::vector<double>& h, double stepHours) {
  std::vector<TideEvent> events;
  for (std::size_t i = 1; i + 1 < h.size(); ++i) {
    const bool high = h[i] > h[i - 1] && h[i] >= h[i + 1];
    const bool low = h[i] < h[i - 1] && h[i] <= h[i + 1];
    if (!high && !low) continue;
    const double a = (h[i - 1] + h[i + 1]) / 2 - h[i];  // half the second difference
    const double b = (h[i + 1] - h[i - 1]) / 2;
    double shift = a != 0 ? -b / (2 * a) : 0;  // in samples, within half a sample of i
    shift = std::clamp(shift, -0.5, 0.5);
    events.push_back({(static_cast<double>(i) + shift) * stepHours, h[i] + b * shift + a * shift * shift, high});
  }
  return events;
}

std::vector<TideEvent> FindTableEvents(const std::vector<double>& heights, double stepHours) {
  std::vector<TideEvent> events;
  WaterEventCounter counter;
  for (std::size_t i = 4; i < heights.size(); ++i) {
    std::array<float, 5> w;
    for (std::size_t k = 0; k < 5; ++k) w[k] = static_cast<float>(heights[i - 4 + k]);
    const double hours = static_cast<double>(i - 2) * stepHours;
    if (IsHighWater5(w[0], w[1], w[2], w[3], w[4], counter)) events.push_back({hours, w[2], true});
    if (IsLowWater5(w[0], w[1], w[2], w[3], w[4], counter)) events.push_back({hours, w[2], false});
  }
  return events;
}

UnpairedEvents PairEvents(const std::vector<TideEvent>& full, const std::vector<TideEvent>& saltmark) {
  UnpairedEvents unpaired;
  for (const bool high : {true, false}) {
    std::vector<double> times;
    for (const TideEvent& e : saltmark)
      if (e.high == high) times.push_back(e.hours);
    std::ranges::sort(times);
    std::vector<bool> used(times.size(), false);
    std::size_t from = 0;  // the first Saltmark event that can still pair with a later full event
    for (const TideEvent& e : full) {
      if (e.high != high) continue;
      while (from < times.size() && times[from] < e.hours - kMatchWindowHours) ++from;
      std::size_t best = times.size();
      for (std::size_t k = from; k < times.size() && times[k] <= e.hours + kMatchWindowHours; ++k)
        if (!used[k] && (best == times.size() || std::fabs(times[k] - e.hours) < std::fabs(times[best] - e.hours)))
          best = k;
      if (best == times.size()) {
        ++unpaired.full;
        unpaired.hours.push_back(e.hours);
      } else {
        used[best] = true;
      }
    }
    for (std::size_t k = 0; k < times.size(); ++k) {
      if (used[k]) continue;
      ++unpaired.saltmark;
      unpaired.hours.push_back(times[k]);
    }
  }
  return unpaired;
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::ranges::sort(values);
  const double position = std::clamp(p, 0.0, 1.0) * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(position));
  const auto above = std::min(below + 1, values.size() - 1);
  return values[below] + (values[above] - values[below]) * (position - static_cast<double>(below));
}

CurveComparison CompareCurves(const std::vector<double>& full, const std::vector<double>& simplified,
                              double stepHours) {
  CurveComparison c;
  const std::size_t n = std::min(full.size(), simplified.size());
  double sum = 0;
  for (std::size_t i = 0; i < n; ++i) sum += (full[i] - simplified[i]) * (full[i] - simplified[i]);
  c.rms = n ? std::sqrt(sum / static_cast<double>(n)) : 0;
  const auto fullEvents = FindTideEvents(full, stepHours);
  const auto simplifiedEvents = FindTideEvents(simplified, stepHours);
  matchEvents(fullEvents, simplifiedEvents, true, c.high);
  matchEvents(fullEvents, simplifiedEvents, false, c.low);
  c.table = PairEvents(fullEvents, FindTableEvents(simplified, stepHours));
  return c;
}

StationFigures Summarise(const CurveComparison& c) {
  StationFigures f;
  f.rms = c.rms;
  f.highTimeMedian = Percentile(c.high.minutes, 0.5);
  f.highTime95 = Percentile(c.high.minutes, 0.95);
  f.lowTimeMedian = Percentile(c.low.minutes, 0.5);
  f.lowTime95 = Percentile(c.low.minutes, 0.95);
  f.highHeightMedian = Percentile(c.high.metres, 0.5);
  f.highHeight95 = Percentile(c.high.metres, 0.95);
  f.lowHeightMedian = Percentile(c.low.metres, 0.5);
  f.lowHeight95 = Percentile(c.low.metres, 0.95);
  f.missed = c.high.missed + c.low.missed;
  f.events = static_cast<int>(c.high.minutes.size() + c.low.minutes.size()) + f.missed;
  f.table = c.table;
  return f;
}

}  // namespace saltmark::tcd
