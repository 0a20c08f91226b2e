#pragma once
// The direct mapping of a reference station to a Saltmark port: its
// constants copied over, in metres and in the port's own zone.
//   - amplitudes and the mean level (the datum offset) in metres;
//   - epochs referred to UTC become lags in the port's zone z (hours, positive
//     west): g' = g - w z, w the constituent's speed in degrees per hour;
//   - the shallow-water terms come from M4 and M6: the quarter-diurnal
//     coefficient is H(M4) / H(M2)^2 with phase g(M4) - 2 g(M2), the
//     sixth-diurnal one H(M6) / H(M2)^3 with phase g(M6) - 3 g(M2), because
//     the engine raises the combined semidiurnal tide R cos(theta) to
//     coefficient R^2 cos(2 theta + phase) (and R^3 cos(3 theta + phase)).
#include <optional>
#include <string>

#include "SimplePort.h"
#include "TcdData.h"

namespace saltmark::tcd {

enum class SkipReason {
  none,
  unknownUnits,        // neither feet nor metres
  missingConstituent,  // lacks one of M2, S2, K1, O1
};

struct MappingResult {
  std::optional<SimplePort> port;
  SkipReason skipped = SkipReason::none;
  std::string why;  // for the converter's summary, when skipped
};

MappingResult MapStationDirectly(const ReferenceStation& station, const ConstituentSet& set, double zoneHoursWest);

}  // namespace saltmark::tcd
