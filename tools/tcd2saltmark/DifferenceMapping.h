#pragma once
// A subordinate station of the public data as a Saltmark secondary port: a
// difference record against its converted reference port.
//
// The data give a time difference at high and at low water (hours * 100 +
// minutes) and, for each, a height difference and a ratio: the secondary
// port's high water is ratio x the reference's high water + difference. The
// difference record expresses a height difference that follows the reference
// height through four levels, so:
//   - ratios of 1 (or none) are the "differences only" pattern: the high-water
//     difference at MHWS and MHWN, the low-water difference at MLWN and MLWS;
//   - other ratios fill all eight heights: the reference port's levels MHWS,
//     MHWN, MLWN, MLWS (Z0 +- (M2 +- S2)) and at each level L the difference
//     (ratio - 1) L + difference, with the high-water ratio at the high levels
//     and the low-water one at the low. Above MHWN and below MLWN this is the
//     data's rule exactly; between them the program blends the two linearly,
//     an approximation where the two ratios differ. A port whose S2 is not
//     smaller than its M2 has no ordered neap levels and gets the springs-only
//     pattern instead.
#include <cstdint>
#include <optional>
#include <string>

#include "SimplePort.h"
#include "TcdData.h"
#include "data/DifferenceRecord.h"

namespace saltmark::tcd {

struct ReferenceLevels {
  double mhws = 0, mhwn = 0, mlwn = 0, mlws = 0;  // metres above chart datum
};

ReferenceLevels LevelsOf(const SimplePort& port);

// A TCD time difference (hours * 100 + minutes, the sign on both) as the
// record's text ("+0130", "-0045", " 0000"); nothing beyond 23 hours 59.
std::optional<std::string> TimeDifferenceText(int hoursAndMinutes);

struct DifferenceMapping {
  std::optional<DifferenceRecord> record;
  bool usesRatios = false;  // the height difference depends on the reference height
  std::string why;          // when there is no record
};

// reference: the converted reference port as stored; referencePort: its
// number in the location index.
DifferenceMapping MapSubordinate(const SubordinateStation& station, const SimplePort& reference,
                                 std::int16_t referencePort);

}  // namespace saltmark::tcd
