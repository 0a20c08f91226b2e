#pragma once
// Tidal streams at an instant from up to three stream stations.
//
// A station gives the set and the spring and neap rates for the thirteen
// whole hours from six hours before to six hours after high water at its
// reference port. For an instant the engine finds where it lies between the
// reference port's previous and next high water, interpolates the station's
// hourly values, blends springs and neaps by the day's semidiurnal range at
// the reference port, converts the rate into the chosen unit and weights it.
// Each reference port keeps its own high-water pair and spring-neap
// fraction, reused while that port's instants fall inside the pair, so a run
// over a period searches once per tidal cycle and port, and stations on
// different ports never borrow each other's cycle.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/DateTime.h"
#include "common/ScopedSwitch.h"
#include "data/StreamRecord.h"
#include "engine/TideEngine.h"
#include "platform/Platform.h"

namespace saltmark {

// Knots per unit: knots, miles per hour, km per hour, metres per second.
inline constexpr std::array<double, 4> kSpeedFactors = {1.0, 1.1515, 1.852, 0.514};

inline constexpr const char* kNoHighTidesMessage = "Cannot find suitable high tides at reference port";

// The furthest a high water is looked for on either side of an instant: two
// semidiurnal cycles, so that at mixed tides, where one high water of the day
// is only a stand, the next true one is still found.
inline constexpr int kHighWaterSearchMinutes = 1560;

struct StreamComponents {
  double east = 0;
  double north = 0;
};

// Where an instant lies in its reference port's cycle: h runs from 0 at the
// previous high water to 13 at the next; F is the spring-neap fraction of
// the pair (0 at mean neaps, 1 at mean springs).
struct CyclePlace {
  double h = 0;
  float springNeapFraction = 0;
};

struct RateDirection {
  float rate = 0;
  std::int16_t direction = 0;  // whole degrees true, 0..360
};

RateDirection ComponentsToRateDirection(double east, double north);

class StreamEngine {
 public:
  // Makes the station's reference port (a location number) the engine's
  // current port; false when it cannot be loaded (the loader has said why).
  using ReferencePortLoader = std::function<bool(int locationNumber)>;

  explicit StreamEngine(TideEngine& engine) : engine_(engine) {}

  // The weighted stream of one station at the instant (in the reference
  // port's time base), in the unit resultSpeedUnits (0..3). weight is percent.
  // Nothing when the reference port could not be loaded or no high-water
  // interval was found (the message has been shown).
  std::optional<StreamComponents> StreamAtInstant(const StreamRecord& station, float weight, int resultSpeedUnits,
                                                  DateTime instant, const ReferencePortLoader& loadReferencePort,
                                                  Platform& platform);

  // Where the instant (in the reference port's time base) lies in that
  // port's cycle, searching for a new pair when it lies outside the port's
  // pair. Nothing when the port could not be loaded or no high-water
  // interval was found (the message has been shown).
  std::optional<CyclePlace> PlaceInCycle(std::int16_t referencePort, DateTime instant,
                                         const ReferencePortLoader& loadReferencePort, Platform& platform);

  // Forgets every port's high-water pair, so the next instants search anew.
  void resetHighWaterPair();

  // The zone text (hours, positive west) of a reference port once loaded,
  // so that stations on other ports can be moved into its time base without
  // loading it again.
  void notePortZone(std::int16_t referencePort, const std::string& zone);
  std::optional<std::string> portZone(std::int16_t referencePort) const;

  // While on (for one graph run), every pair found is kept with its
  // reference port, and a station on a port searched before takes the kept
  // pair that holds its instant instead of searching again. A graph fills
  // its columns station by station at the same instants, so the second and
  // third station on a port get exactly the pairs their own searches would
  // find. Turning it off forgets them.
  void rememberPairs(bool on);

  // The pair around the last instant placed (nothing before the first search).
  std::optional<DateTime> previousHighWater() const;
  std::optional<DateTime> nextHighWater() const;
  float springNeapFraction() const { return last_ ? last_->springNeapFraction : 0.0F; }

 private:
  struct FoundPair {
    std::int16_t referencePort;
    DateTime previous, next;
    float springNeapFraction;
  };

  std::optional<FoundPair> findHighWaterPair(std::int16_t referencePort, DateTime instant, Platform& platform);
  const FoundPair* pairHolding(const std::vector<FoundPair>& pairs, std::int16_t referencePort,
                               DateTime instant) const;
  void keepAsCurrent(const FoundPair& pair);

  TideEngine& engine_;
  std::vector<FoundPair> current_;  // one per reference port: the pair around its last instant
  std::optional<FoundPair> last_;
  bool remembering_ = false;
  std::vector<FoundPair> remembered_;
  std::map<std::int16_t, std::string> portZones_;
};

// Keeps a stream engine's pairs for the life of the object.
using RememberedPairs = ScopedSwitch<StreamEngine, &StreamEngine::rememberPairs>;

}  // namespace saltmark
