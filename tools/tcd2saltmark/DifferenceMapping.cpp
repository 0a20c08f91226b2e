#include "DifferenceMapping.h"

#include <cmath>
#include <cstdio>

#include "PortLine.h"
#include "common/VbNumbers.h"
#include "editors/DifferenceValues.h"
#include "locations/Positions.h"

namespace saltmark::tcd {
namespace {

constexpr double kRatioTolerance = 0.0005;  // the data store ratios to 0.001

double ratioOf(double multiply) { return multiply == 0 ? 1.0 : multiply; }

std::string heightText(double metres) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", metres);
  return NormaliseDifferenceHeight(text);
}

// The name without the source's "(sub)" mark.
std::string secondaryName(const std::string& name) {
  std::string n = name;
  const std::string mark = " (sub)";
  if (n.size() >= mark.size() && n.compare(n.size() - mark.size(), mark.size(), mark) == 0)
    n.erase(n.size() - mark.size());
  return CleanPortName(n);
}

}  // namespace

ReferenceLevels LevelsOf(const SimplePort& port) {
  const double m2 = port.amplitude[kM2], s2 = port.amplitude[kS2];
  return {port.meanLevel + m2 + s2, port.meanLevel + m2 - s2, port.meanLevel - m2 + s2, port.meanLevel - m2 - s2};
}

std::optional<std::string> TimeDifferenceText(int hoursAndMinutes) {
  const int hours = std::abs(hoursAndMinutes / 100);
  const int minutes = std::abs(hoursAndMinutes % 100);
  if (hours > 23 || minutes > 59) return std::nullopt;
  return NormaliseTimeDifference(std::to_string(hoursAndMinutes));
}

DifferenceMapping MapSubordinate(const SubordinateStation& station, const SimplePort& reference,
                                 std::int16_t referencePort) {
  DifferenceMapping result;
  const auto metres = MetresPerLevelUnit(station.levelUnits);
  if (!metres) {
    result.why = "level unit \"" + station.levelUnits + "\" is neither feet nor metres";
    return result;
  }
  const auto highTime = TimeDifferenceText(station.maxTimeAdd);
  const auto lowTime = TimeDifferenceText(station.minTimeAdd);
  if (!highTime || !lowTime) {
    result.why = "time difference beyond 23 hours 59 minutes";
    return result;
  }

  DifferenceRecord record;
  record.name = secondaryName(station.name);
  record.latitudeText = FormatLatLon(station.latitude * kDegreesToRadians, kLatitude);
  record.longitudeText = FormatLatLon(station.longitude * kDegreesToRadians, kLongitude);
  record.referencePort = referencePort;
  record.diffText[difference::kTimeMHW] = *highTime;
  record.diffText[difference::kTimeMLW] = *lowTime;

  const double highAdd = station.maxLevelAdd * *metres, lowAdd = station.minLevelAdd * *metres;
  const double highRatio = ratioOf(station.maxLevelMultiply), lowRatio = ratioOf(station.minLevelMultiply);
  const bool plainDifferences =
      std::fabs(highRatio - 1) < kRatioTolerance && std::fabs(lowRatio - 1) < kRatioTolerance;
  using namespace difference;
  if (plainDifferences) {
    record.diffText[kHeightMHWS] = record.diffText[kHeightMHWN] = heightText(highAdd);
    record.diffText[kHeightMLWN] = record.diffText[kHeightMLWS] = heightText(lowAdd);
  } else {
    result.usesRatios = true;
    // The levels as stored (two decimals): the differences are worked out
    // from them, so that the program gives ratio x level + difference at each,
    // and the bands between them must not be empty there either.
    const ReferenceLevels exact = LevelsOf(reference);
    const auto stored = [](double level) { return Val(heightText(level)); };
    const ReferenceLevels levels{stored(exact.mhws), stored(exact.mhwn), stored(exact.mlwn), stored(exact.mlws)};
    if (!(levels.mhws > levels.mlws)) {
      result.why = "the reference port has no tidal range to scale by";
      return result;
    }
    const bool neapsOrdered = levels.mhws > levels.mhwn && levels.mhwn > levels.mlwn && levels.mlwn > levels.mlws;
    const auto fill = [&](int levelIndex, int diffIndex, double level, double ratio, double add) {
      record.diffText[levelIndex] = heightText(level);
      record.diffText[diffIndex] = heightText((ratio - 1) * level + add);
    };
    fill(kReferenceMHWS, kHeightMHWS, levels.mhws, highRatio, highAdd);
    fill(kReferenceMLWS, kHeightMLWS, levels.mlws, lowRatio, lowAdd);
    if (neapsOrdered) {
      fill(kReferenceMHWN, kHeightMHWN, levels.mhwn, highRatio, highAdd);
      fill(kReferenceMLWN, kHeightMLWN, levels.mlwn, lowRatio, lowAdd);
    }
  }
  result.record = record;
  return result;
}

}  // namespace saltmark::tcd
