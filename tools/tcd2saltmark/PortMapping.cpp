#include "PortMapping.h"

#include <cmath>
#include <cstdlib>

#include "HarmonicSum.h"

namespace saltmark::tcd {

double NormalDegrees(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  return d >= 360.0 ? 0.0 : d;
}

int SpringNeapIndex(int offset, int day) {
  const int k = std::abs(offset + day);
  return k > 7 ? 14 - k : k;
}

namespace {

struct LocalTerm {
  double amplitude = 0;  // metres
  double lag = 0;        // degrees, in the port's zone
};

std::optional<LocalTerm> localTerm(const ReferenceStation& station, const ConstituentSet& set, const char* name,
                                   double metres, double zoneHoursWest) {
  const auto index = set.find(name);
  if (!index) return std::nullopt;
  const HarmonicTerm* term = station.term(*index);
  if (!term || term->amplitude <= 0) return std::nullopt;
  const double speed = set.constituents[static_cast<std::size_t>(*index)].speed;
  const double utcEpoch = EpochAtUtc(term->epoch, speed, station.meridian);
  return LocalTerm{term->amplitude * metres, NormalDegrees(utcEpoch - speed * zoneHoursWest)};
}

}  // namespace

MappingResult MapStationDirectly(const ReferenceStation& station, const ConstituentSet& set, double zoneHoursWest) {
  MappingResult result;
  const auto metres = MetresPerLevelUnit(station.levelUnits);
  if (!metres) {
    result.skipped = SkipReason::unknownUnits;
    result.why = "level unit \"" + station.levelUnits + "\" is neither feet nor metres";
    return result;
  }
  SimplePort port;
  port.zoneHoursWest = zoneHoursWest;
  port.meanLevel = station.datumOffset * *metres;
  for (int g = 0; g < kPrincipalCount; ++g) {
    const auto term = localTerm(station, set, kPrincipalNames[g], *metres, zoneHoursWest);
    if (!term) {
      result.skipped = SkipReason::missingConstituent;
      result.why = std::string("no ") + kPrincipalNames[g];
      return result;
    }
    port.amplitude[g] = term->amplitude;
    port.phase[g] = term->lag;
  }
  const double m2 = port.amplitude[kM2];
  if (const auto m4 = localTerm(station, set, "M4", *metres, zoneHoursWest)) {
    port.quarterCoefficient = m4->amplitude / (m2 * m2);
    port.quarterPhase = NormalDegrees(m4->lag - 2 * port.phase[kM2]);
  }
  if (const auto m6 = localTerm(station, set, "M6", *metres, zoneHoursWest)) {
    port.sixthCoefficient = m6->amplitude / (m2 * m2 * m2);
    port.sixthPhase = NormalDegrees(m6->lag - 3 * port.phase[kM2]);
  }
  result.port = port;
  return result;
}

}  // namespace saltmark::tcd
