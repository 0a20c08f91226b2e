#include "engine/TideEngine.h"

#include <cmath>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "engine/SecondaryPort.h"
#include "engine/SineCosine.h"

namespace saltmark {

void TideEngine::setPort(const LocationRecord& port) {
  port_ = port;
  usesSpringNeapLevels_ = UsesSpringNeapLevels(port_);
  for (auto& slot : cache_) slot.reset();
  constants_ = nullptr;
  // The spring-neap day may be wanted now where it was not before.
  aheadCount_ = 0;
  lastInstant_ = INT64_MIN;
}

void TideEngine::setSecondaryPort(const DifferenceRecord* record) { secondary_ = record; }

const PortConstants& TideEngine::constantsFor(int monthIndex, int springNeapDay) {
  // The spring-neap day matters only to a port whose mean level follows it.
  const int day = usesSpringNeapLevels_ ? springNeapDay : 0;
  auto& slot = cache_.at(monthIndex * 15 + day + 7);
  if (!slot) slot = PreparePortConstants(port_, monthIndex, day);
  return *slot;
}

void TideEngine::rememberInstants() {
  if (!remembered_) remembered_ = std::make_unique<std::array<RememberedInstant, kRememberedInstants>>();
}

TideEngine::RememberedInstant& TideEngine::slotFor(std::int64_t ms) {
  // A slot per minute, round and round: the instants of a run of whole
  // minutes lie in order in memory, which the processor reads ahead, and a
  // month of 6-minute instants from every time zone fits without two sharing
  // a slot.
  return (*remembered_)[static_cast<std::uint64_t>(ms / 60'000) & (kRememberedInstants - 1)];
}

bool TideEngine::holds(const RememberedInstant& slot, std::int64_t ms) const {
  return slot.milliseconds == ms && (slot.withSpringNeapDay || !usesSpringNeapLevels_);
}

void TideEngine::remember(std::int64_t ms, const GroupCorrections& corrections) {
  RememberedInstant& slot = slotFor(ms);
  slot.milliseconds = ms;
  slot.withSpringNeapDay = usesSpringNeapLevels_;
  slot.corrections = corrections;
}

const GroupCorrections& TideEngine::rememberedCorrectionsAt(DateTime instant) {
  const std::int64_t ms = instant.linearMilliseconds();
  RememberedInstant& slot = slotFor(ms);
  if (!holds(slot, ms)) remember(ms, ComputeGroupFactors(instant, usesSpringNeapLevels_));
  return slot.corrections;
}

// Far enough from the ends of the 64-bit count that the next instants of a
// step cannot overflow it; the time axis itself ends long before.
constexpr std::int64_t kLongestStep = std::int64_t{1} << 50;
constexpr std::int64_t kFarthestInstant = std::int64_t{1} << 60;

bool TideEngine::workOutAhead(std::int64_t ms, std::int64_t step) {
  if (step == 0 || step > kLongestStep || step < -kLongestStep || ms > kFarthestInstant || ms < -kFarthestInstant)
    return false;
  bool allRemembered = remembered_ != nullptr;
  for (std::size_t k = 0; k < kSideBySide; ++k) {
    aheadInstants_[k] = ms + static_cast<std::int64_t>(k) * step;
    allRemembered = allRemembered && holds(slotFor(aheadInstants_[k]), aheadInstants_[k]);
  }
  try {
    if (allRemembered) {
      for (std::size_t k = 0; k < kSideBySide; ++k) ahead_[k] = slotFor(aheadInstants_[k]).corrections;
    } else {
      ComputeGroupFactorsSideBySide(aheadInstants_, usesSpringNeapLevels_, ahead_);
      if (remembered_)
        for (std::size_t k = 0; k < kSideBySide; ++k) remember(aheadInstants_[k], ahead_[k]);
    }
  } catch (const RuntimeError&) {
    // One of the later instants is off the time axis; this one alone may not be.
    aheadCount_ = 0;
    return false;
  }
  aheadCount_ = kSideBySide;
  aheadHeights_ = AheadHeights::NotYet;
  return true;
}

void TideEngine::correctionsAlongTheRun(DateTime instant) {
  const std::int64_t ms = instant.linearMilliseconds();
  const std::int64_t step = lastInstant_ == INT64_MIN ? 0 : ms - lastInstant_;
  lastInstant_ = ms;
  const bool sameStep = step == lastStep_;
  lastStep_ = step;
  for (std::size_t k = 0; k < aheadCount_; ++k) {
    if (aheadInstants_[k] == ms) {
      corrections_ = ahead_[k];
      preparedAhead_ = static_cast<int>(k);
      return;
    }
  }
  if (sameStep && workOutAhead(ms, step)) {
    corrections_ = ahead_[0];
    preparedAhead_ = 0;
    return;
  }
  corrections_ = remembered_ ? rememberedCorrectionsAt(instant) : ComputeGroupFactors(instant, usesSpringNeapLevels_);
}

void TideEngine::PrepareInstant(DateTime instant) {
  preparedAhead_ = -1;
  correctionsAlongTheRun(instant);
  constants_ = &constantsFor(corrections_.monthIndex, corrections_.springNeapDay);
  corrected_ = CombineGroupCorrections(*constants_, corrections_);
  phaseTurns_.reset();
}

float TideEngine::keepAmplitude(const OffsetHeight& result) {
  semidiurnalAmplitude_ = result.semidiurnalAmplitude;
  return result.height;
}

float TideEngine::HeightAtOffset(float x) {
  return keepAmplitude(saltmark::HeightAtOffset(corrected_, *constants_, x));
}

bool TideEngine::heightsAhead() {
  if (aheadHeights_ == AheadHeights::NotYet) {
    aheadHeights_ = AheadHeights::Unavailable;
    std::array<CorrectedConstituents, kSideBySide> corrected;
    try {
      for (std::size_t k = 0; k < kSideBySide; ++k) {
        // A month or a spring-neap day that changes among them changes the constants.
        if (&constantsFor(ahead_[k].monthIndex, ahead_[k].springNeapDay) != constants_) return false;
        corrected[k] = CombineGroupCorrections(*constants_, ahead_[k]);
      }
    } catch (const RuntimeError&) {
      return false;  // a later instant's spring-neap day is off the port's table
    }
    HeightsSideBySide(corrected, *constants_, aheadHeight_);
    aheadHeights_ = AheadHeights::Ready;
  }
  return aheadHeights_ == AheadHeights::Ready;
}

float TideEngine::heightAtNoOffset() {
  if (preparedAhead_ < 0 || !heightsAhead()) return HeightAtOffset(0);
  return keepAmplitude(CheckedHeight(aheadHeight_[preparedAhead_]));
}

float TideEngine::HeightAtMinutes(int minutes) {
  if (!phaseTurns_) phaseTurns_ = TurnsOfPhases(corrected_);
  return keepAmplitude(saltmark::HeightAtWholeMinutes(corrected_, *constants_, *phaseTurns_, minutes));
}

void TideEngine::PredictHeight(DateTime instant) {
  PrepareInstant(instant);
  EvaluateHeight();
}

void TideEngine::EvaluateHeight() {
  float height;
  if (settings_.portMode == 2 && secondary_ != nullptr) {
    // c is +1 at the reference port's M2 crest and -1 at its trough.
    const double c = Cosine(corrected_.phase[group::kM2]);
    const float d = Single(-TimeDifferenceHours(*secondary_, c));
    const float reference = HeightAtOffset(d);
    height = Single(reference + HeightDifference(*secondary_, reference, c));
  } else {
    height = heightAtNoOffset();
  }
  if (!settings_.metric()) height = Single(height * kFeetPerMetre);
  if (!std::isfinite(height)) throw RuntimeError(errc::kOverflow);
  tideHeight_ = height;
  tideHeightWithOffset_ = Single(heightOffset + tideHeight_);
}

}  // namespace saltmark
