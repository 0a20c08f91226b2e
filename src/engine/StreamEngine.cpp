#include "engine/StreamEngine.h"

#include <cmath>

#include "common/RuntimeError.h"
#include "common/Version.h"
#include "common/VbNumbers.h"
#include "engine/AngleFunctions.h"

namespace saltmark {
namespace {

// Where the instant lies in the cycle: 0 at the previous high water, 13 at
// the next; -1 when there is no pair or it has no length.
double cyclePosition(const std::optional<DateTime>& previous, const std::optional<DateTime>& next, DateTime instant) {
  if (!previous || !next) return -1;
  const double a = static_cast<double>(minutesBetween(*previous, instant));
  const double b = static_cast<double>(minutesBetween(instant, *next));
  if (a + b == 0) return -1;
  return 13 * a / (b + a);
}

bool outsideCycle(double h) { return h >= 13 || h < 0; }

// Walks from minute `from` in steps of `step` (+1 or -1) up to
// kHighWaterSearchMinutes away and gives the first minute whose sample falls
// below a top that the sample before the top rose to or held at. The two
// samples before `from` are read first, in the walking order.
template <typename Height>
std::optional<int> highWaterPast(Height y, int from, int step) {
  float before = y(from - 2 * step), top = y(from - step);
  for (int m = from; m * step <= kHighWaterSearchMinutes; m += step) {
    const float sample = y(m);
    if (before <= top && top > sample) return m;
    before = top;
    top = sample;
  }
  return std::nullopt;
}

struct HourVector {
  float springEast, springNorth, neapEast, neapNorth;
};

HourVector hourVector(const StreamRecord& station, int j) {
  const float theta = Single(station.direction[j] * kDegreesToRadians);
  const float spring = Single(station.springRate[j] / 100.0);
  const float neap = Single(station.neapRate[j] / 100.0);
  return {Single(spring * std::sin(theta)), Single(spring * std::cos(theta)), Single(neap * std::sin(theta)),
          Single(neap * std::cos(theta))};
}

double speedFactor(int units) {
  if (units < 0 || units >= static_cast<int>(kSpeedFactors.size())) throw RuntimeError(errc::kSubscript);
  return kSpeedFactors[units];
}

}  // namespace

RateDirection ComponentsToRateDirection(double east, double north) {
  // East plays y and north x, so the angle is a bearing clockwise from north.
  return {Single(VectorLength(east, north)), CInt(FullCircleArctan(east, north) / kDegreesToRadians)};
}

void StreamEngine::resetHighWaterPair() {
  current_.clear();
  last_.reset();
}

void StreamEngine::notePortZone(std::int16_t referencePort, const std::string& zone) {
  portZones_[referencePort] = zone;
}

std::optional<std::string> StreamEngine::portZone(std::int16_t referencePort) const {
  const auto known = portZones_.find(referencePort);
  if (known == portZones_.end()) return std::nullopt;
  return known->second;
}

std::optional<DateTime> StreamEngine::previousHighWater() const {
  if (!last_) return std::nullopt;
  return last_->previous;
}

std::optional<DateTime> StreamEngine::nextHighWater() const {
  if (!last_) return std::nullopt;
  return last_->next;
}

std::optional<StreamEngine::FoundPair> StreamEngine::findHighWaterPair(std::int16_t referencePort, DateTime instant,
                                                                       Platform& platform) {
  engine_.PrepareInstant(instant);
  auto y = [this](int minute) { return engine_.HeightAtMinutes(minute); };

  // Backward: the previous high water is the sample just before the top;
  // forward: the next is the sample just after it. The forward search runs
  // last, so the engine holds its last sample.
  const std::optional<int> backward = highWaterPast(y, -2, -1);
  const std::optional<int> forward = highWaterPast(y, 1, 1);
  // R of the forward search's last sample.
  const double R = engine_.semidiurnalAmplitude();

  // Without a high water on both sides the instant has no cycle (an instant
  // taken as its own previous high water would put it at high water).
  if (!backward || !forward) {
    platform.message(kNoHighTidesMessage, MessageIcon::Exclamation, MessageButtons::Ok, kAppTitle);
    return std::nullopt;
  }
  FoundPair pair{referencePort, instant.addMinutes(*backward), instant.addMinutes(*forward), 0.0F};
  if (outsideCycle(cyclePosition(pair.previous, pair.next, instant))) {
    platform.message(kNoHighTidesMessage, MessageIcon::Exclamation, MessageButtons::Ok, kAppTitle);
    return std::nullopt;
  }

  // 0 at mean neaps, 1 at mean springs, not clamped. A port without S2 has
  // no spring-neap cycle: its rates count as springs.
  const double m2 = engine_.constants().portConstant[2];
  const double s2 = engine_.constants().portConstant[4];
  const double neaps = m2 - s2, springs = m2 + s2;
  pair.springNeapFraction = springs == neaps ? 1.0F : Single((R - neaps) / (springs - neaps));
  return pair;
}

void StreamEngine::rememberPairs(bool on) {
  remembering_ = on;
  remembered_.clear();
}

const StreamEngine::FoundPair* StreamEngine::pairHolding(const std::vector<FoundPair>& pairs,
                                                         std::int16_t referencePort, DateTime instant) const {
  for (auto pair = pairs.rbegin(); pair != pairs.rend(); ++pair)
    if (pair->referencePort == referencePort && !outsideCycle(cyclePosition(pair->previous, pair->next, instant)))
      return &*pair;
  return nullptr;
}

void StreamEngine::keepAsCurrent(const FoundPair& pair) {
  last_ = pair;
  for (FoundPair& kept : current_)
    if (kept.referencePort == pair.referencePort) {
      kept = pair;
      return;
    }
  current_.push_back(pair);
}

std::optional<CyclePlace> StreamEngine::PlaceInCycle(std::int16_t referencePort, DateTime instant,
                                                     const ReferencePortLoader& loadReferencePort,
                                                     Platform& platform) {
  if (const FoundPair* kept = pairHolding(current_, referencePort, instant)) {
    last_ = *kept;
  } else {
    if (!loadReferencePort(referencePort)) return std::nullopt;
    if (const FoundPair* remembered = pairHolding(remembered_, referencePort, instant)) {
      keepAsCurrent(*remembered);
    } else {
      const auto found = findHighWaterPair(referencePort, instant, platform);
      if (!found) return std::nullopt;
      if (remembering_) remembered_.push_back(*found);
      keepAsCurrent(*found);
    }
  }
  return CyclePlace{cyclePosition(last_->previous, last_->next, instant), last_->springNeapFraction};
}

std::optional<StreamComponents> StreamEngine::StreamAtInstant(const StreamRecord& station, float weight,
                                                              int resultSpeedUnits, DateTime instant,
                                                              const ReferencePortLoader& loadReferencePort,
                                                              Platform& platform) {
  const auto place = PlaceInCycle(station.referencePort, instant, loadReferencePort, platform);
  if (!place) return std::nullopt;
  const double h = place->h;

  const double w = weight * speedFactor(resultSpeedUnits) / speedFactor(station.speedUnits);
  // Thirteen entries cover one cycle from high water to high water; after
  // entry 12 (six hours after) the interpolation runs on into entry 0.
  const int i = static_cast<int>(Int(h));
  const double f = h - i, g = 1 - f;
  int j0 = i + 6;
  if (j0 >= 13) j0 = i - 7;
  int j1 = j0 + 1;
  if (j1 >= 13) j1 = j0 - 12;

  const HourVector a = hourVector(station, j0), b = hourVector(station, j1);
  const double springEast = g * a.springEast + f * b.springEast;
  const double springNorth = g * a.springNorth + f * b.springNorth;
  const double neapEast = g * a.neapEast + f * b.neapEast;
  const double neapNorth = g * a.neapNorth + f * b.neapNorth;
  const double F = place->springNeapFraction;
  return StreamComponents{(springEast * F + (1 - F) * neapEast) * w / 100,
                          (springNorth * F + (1 - F) * neapNorth) * w / 100};
}

}  // namespace saltmark
