#include "engine/StreamEngine.h"

#include <cmath>

#include "common/RuntimeError.h"
#include "common/Version.h"
#include "common/VbNumbers.h"
#include "engine/AngleFunctions.h"

namespace saltmark {
namespace {

// The furthest a high water is looked for on either side of an instant.
constexpr int kSearchMinutes = 780;

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
  previousHighWater_.reset();
  nextHighWater_.reset();
}

bool StreamEngine::findHighWaterPair(DateTime instant, Platform& platform) {
  engine_.PrepareInstant(instant);
  auto y = [this](int minute) { return engine_.HeightAtMinutes(minute); };

  // Backward: the previous high water is the sample just before the top.
  int backward = 0;
  float later = y(0), top = y(-1);
  for (int m = -2; m >= -kSearchMinutes; --m) {
    const float sample = y(m);
    if (later <= top && top > sample) {
      backward = m;
      break;
    }
    later = top;
    top = sample;
  }
  // Forward: the next high water is the sample just after the top.
  int forward = 0;
  float earlier = y(-1);
  top = y(0);
  for (int m = 1; m <= kSearchMinutes; ++m) {
    const float sample = y(m);
    if (earlier <= top && top > sample) {
      forward = m;
      break;
    }
    earlier = top;
    top = sample;
  }
  // R of the forward search's last sample.
  const double R = engine_.semidiurnalAmplitude();

  previousHighWater_ = instant.addMinutes(backward);
  nextHighWater_ = instant.addMinutes(forward);
  if (outsideCycle(cyclePosition(previousHighWater_, nextHighWater_, instant))) {
    platform.message(kNoHighTidesMessage, MessageIcon::Exclamation, MessageButtons::Ok, kAppTitle);
    resetHighWaterPair();
    return false;
  }

  // 0 at mean neaps, 1 at mean springs, not clamped. A port without S2 has
  // no spring-neap cycle: its rates count as springs.
  const double m2 = engine_.constants().portConstant[2];
  const double s2 = engine_.constants().portConstant[4];
  const double neaps = m2 - s2, springs = m2 + s2;
  springNeapFraction_ = springs == neaps ? 1.0F : Single((R - neaps) / (springs - neaps));
  return true;
}

void StreamEngine::rememberPairs(bool on) {
  remembering_ = on;
  remembered_.clear();
}

bool StreamEngine::takeRememberedPair(std::int16_t referencePort, DateTime instant) {
  for (auto pair = remembered_.rbegin(); pair != remembered_.rend(); ++pair) {
    if (pair->referencePort != referencePort || outsideCycle(cyclePosition(pair->previous, pair->next, instant)))
      continue;
    previousHighWater_ = pair->previous;
    nextHighWater_ = pair->next;
    springNeapFraction_ = pair->springNeapFraction;
    return true;
  }
  return false;
}

std::optional<StreamComponents> StreamEngine::StreamAtInstant(const StreamRecord& station, float weight,
                                                              int resultSpeedUnits, DateTime instant,
                                                              const ReferencePortLoader& loadReferencePort,
                                                              Platform& platform) {
  double h = cyclePosition(previousHighWater_, nextHighWater_, instant);
  if (outsideCycle(h)) {
    if (!loadReferencePort(station.referencePort)) return std::nullopt;
    if (!takeRememberedPair(station.referencePort, instant)) {
      if (!findHighWaterPair(instant, platform)) return std::nullopt;
      if (remembering_)
        remembered_.push_back({station.referencePort, *previousHighWater_, *nextHighWater_, springNeapFraction_});
    }
    h = cyclePosition(previousHighWater_, nextHighWater_, instant);
  }

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
  const double F = springNeapFraction_;
  return StreamComponents{(springEast * F + (1 - F) * neapEast) * w / 100,
                          (springNorth * F + (1 - F) * neapNorth) * w / 100};
}

}  // namespace saltmark
