#pragma once
// The tide height at the current port for one instant: the single entry
// point behind every height the program shows.
//
//   TideEngine engine(settings);
//   engine.setPort(record);           // after every ReadLocation
//   engine.PredictHeight(instant);    // instant in the port's own time base
//   float h = engine.tideHeight();    // metres or feet, as settings.metricUnits
//
// With settings.portMode 2 the port is the reference port of a secondary
// port and setSecondaryPort names the difference record to apply.
// The port's constants are read once per month and spring-neap day. The
// group sums depend on the instant alone: once two steps in a row are the
// same (a table, a graph, a search along the time axis) the engine works
// them out for the next few instants of that step side by side, which costs
// little more than one. A run that visits the same instants for port after
// port (the web publisher) can have them kept for the instants seen lately,
// so that it sums them once. Either way the results are the same as
// computing everything at every call.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "data/DifferenceRecord.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "engine/ConstituentTable.h"
#include "engine/HeightComputation.h"

namespace saltmark {

class TideEngine {
 public:
  explicit TideEngine(const Settings& settings) : settings_(settings) {}

  // Copies the port's texts; the engine keeps no reference to the record.
  void setPort(const LocationRecord& port);
  const LocationRecord& port() const { return port_; }
  // The difference record used when settings.portMode is 2 (none: no differences).
  void setSecondaryPort(const DifferenceRecord* record);
  // Keeps the group sums of the instants seen, one for each minute of the
  // last eleven days or so (off at first: a run along the time axis never
  // asks for the same instant twice).
  void rememberInstants();

  // Computes tideHeight and tideHeightWithOffset. Throws RuntimeError on a
  // floating-point fault or a spring-neap offset outside the port's table.
  void PredictHeight(DateTime instant);

  float tideHeight() const { return tideHeight_; }
  float tideHeightWithOffset() const { return tideHeightWithOffset_; }
  // Added to every height after the unit conversion (the tide graph sets it).
  float heightOffset = 0;

  // What the stream prediction reads after an evaluation: the instant's
  // corrections, the port's constants and the last semidiurnal amplitude.
  const GroupCorrections& corrections() const { return corrections_; }
  const PortConstants& constants() const { return *constants_; }
  const CorrectedConstituents& corrected() const { return corrected_; }
  double semidiurnalAmplitude() const { return semidiurnalAmplitude_; }

  // Forms the corrections and constants for an instant without a height.
  void PrepareInstant(DateTime instant);
  // The height in metres x hours after the prepared instant; keeps R.
  float HeightAtOffset(float x);
  // The same at x = minutes / 60, for searches minute by minute round the instant.
  float HeightAtMinutes(int minutes);

 private:
  const PortConstants& constantsFor(int monthIndex, int springNeapDay);
  void EvaluateHeight();

  struct RememberedInstant;
  RememberedInstant& slotFor(std::int64_t ms);
  bool holds(const RememberedInstant& slot, std::int64_t ms) const;
  void remember(std::int64_t ms, const GroupCorrections& corrections);
  const GroupCorrections& rememberedCorrectionsAt(DateTime instant);
  void correctionsAlongTheRun(DateTime instant);
  bool heightsAhead();
  float heightAtNoOffset();
  // Keeps the height's R for the stream prediction and gives the height.
  float keepAmplitude(const OffsetHeight& result);
  bool workOutAhead(std::int64_t ms, std::int64_t step);

  const Settings& settings_;
  LocationRecord port_;
  bool usesSpringNeapLevels_ = false;
  const DifferenceRecord* secondary_ = nullptr;
  // One slot per month and spring-neap day (-7..7), filled on first use.
  std::array<std::optional<PortConstants>, 12 * 15> cache_;

  struct RememberedInstant {
    std::int64_t milliseconds = INT64_MIN;
    bool withSpringNeapDay = false;
    GroupCorrections corrections;
  };
  static constexpr int kRememberedBits = 14;
  static constexpr std::size_t kRememberedInstants = std::size_t{1} << kRememberedBits;
  std::unique_ptr<std::array<RememberedInstant, kRememberedInstants>> remembered_;

  // The instants of the current step worked out side by side (aheadCount_
  // of them, none before the first run of two equal steps).
  std::array<std::int64_t, kSideBySide> aheadInstants_{};
  std::array<GroupCorrections, kSideBySide> ahead_;
  std::size_t aheadCount_ = 0;
  // Which of them the prepared instant is (none: -1), and their heights at
  // no offset, worked out side by side once a height is asked for.
  int preparedAhead_ = -1;
  enum class AheadHeights { NotYet, Ready, Unavailable } aheadHeights_ = AheadHeights::NotYet;
  std::array<RawHeight<double>, kSideBySide> aheadHeight_{};
  std::int64_t lastInstant_ = INT64_MIN;
  std::int64_t lastStep_ = 0;

  GroupCorrections corrections_;
  const PortConstants* constants_ = nullptr;
  CorrectedConstituents corrected_;
  // The corrected phases' cosines and sines, once a search asks for them.
  std::optional<PhaseTurns> phaseTurns_;
  double semidiurnalAmplitude_ = 0;
  float tideHeight_ = 0;
  float tideHeightWithOffset_ = 0;
};

}  // namespace saltmark
