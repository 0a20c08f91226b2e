#pragma once
// The height of the tide at a port from its harmonic texts.
//
// Four principal constituents, corrected at the instant by the group factors
// and phases, plus a quarter-diurnal and a sixth-diurnal shallow-water term
// raised from the combined semidiurnal tide, plus the port's mean level,
// which may vary by month or with the spring-neap cycle. Working values are
// single precision, as the port's constants are stored.
#include <array>

#include "data/LocationRecord.h"
#include "engine/ConstituentTable.h"

namespace saltmark {

// The port's harmonic texts read into numbers for one month and one
// spring-neap day; indices as LocationRecord::harmonic, phases in radians.
struct PortConstants {
  std::array<float, 13> portConstant{};
  // cos and sin of the two shallow-water phases, which depend on the port only.
  double quarterCos = 1, quarterSin = 0, sixthCos = 1, sixthSin = 0;
};

// Throws RuntimeError (subscript out of range) when the spring-neap day
// offset points outside the port's spring-neap table.
PortConstants PreparePortConstants(const LocationRecord& port, int monthIndex, int springNeapDay);

// True when the port's mean level follows the spring-neap cycle ("w" marker).
bool UsesSpringNeapLevels(const LocationRecord& port);

// The four constituents corrected at one instant, in group order
// (O1, K1, M2, S2): phases in radians, amplitudes in metres.
struct CorrectedConstituents {
  std::array<float, kGroupCount> phase{};
  std::array<float, kGroupCount> amplitude{};
};

CorrectedConstituents CombineGroupCorrections(const PortConstants& constants, const GroupCorrections& corrections);

struct OffsetHeight {
  float height = 0;              // metres above chart datum
  double semidiurnalAmplitude = 0;  // R: the combined M2 + S2 amplitude there
};

// A height before its check and rounding, with its R.
template <class Real>
struct RawHeight {
  Real height, R;
};

// The height rounded to single precision; throws RuntimeError (overflow)
// when it is not finite or beyond the single range.
OffsetHeight CheckedHeight(const RawHeight<double>& raw);

// The height x hours after the instant the corrections were formed for.
OffsetHeight HeightAtOffset(const CorrectedConstituents& corrected, const PortConstants& constants, float x);

// The cosines and sines of the four corrected phases, in group order.
struct PhaseTurns {
  std::array<double, kGroupCount> cosine{}, sine{};
};
PhaseTurns TurnsOfPhases(const CorrectedConstituents& corrected);

// HeightAtOffset at x = minutes / 60 hours, for the searches that step
// through the minutes round an instant: the four angles are the phases'
// turns rotated back by the offset's, kept for every whole minute up to
// kMinutesTurnedAhead either side, which spares a sine and cosine at every
// step. At no offset the height is HeightAtOffset's bit for bit; further
// out the two may differ in the last bit of the working doubles.
inline constexpr int kMinutesTurnedAhead = 900;
OffsetHeight HeightAtWholeMinutes(const CorrectedConstituents& corrected, const PortConstants& constants,
                                  const PhaseTurns& phases, int minutes);

// HeightAtOffset at no offset for several instants of one port's constants,
// worked out side by side; each CheckedHeight is HeightAtOffset's bit for bit.
void HeightsSideBySide(const std::array<CorrectedConstituents, kSideBySide>& corrected, const PortConstants& constants,
                       std::array<RawHeight<double>, kSideBySide>& heights);

}  // namespace saltmark
