#pragma once
// Tidal streams at an instant from up to three stream stations.
//
// A station gives the set and the spring and neap rates for the thirteen
// whole hours from six hours before to six hours after high water at its
// reference port. For an instant the engine finds where it lies between the
// reference port's previous and next high water, interpolates the station's
// hourly values, blends springs and neaps by the day's semidiurnal range at
// the reference port, converts the rate into the chosen unit and weights it.
// The high-water pair is kept and reused while instants fall inside it, so a
// run over a period searches once per tidal cycle.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "common/DateTime.h"
#include "data/StreamRecord.h"
#include "engine/TideEngine.h"
#include "platform/Platform.h"

namespace saltmark {

// Knots per unit: knots, miles per hour, km per hour, metres per second.
inline constexpr std::array<double, 4> kSpeedFactors = {1.0, 1.1515, 1.852, 0.514};

inline constexpr const char* kNoHighTidesMessage = "Cannot find suitable high tides at reference port";

struct StreamComponents {
  double east = 0;
  double north = 0;
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

  // Forgets the high-water pair, so the next instant searches anew.
  void resetHighWaterPair();

  // While on (for one graph run), every pair found is kept with its
  // reference port, and a station on a port searched before takes the kept
  // pair that holds its instant instead of searching again. A graph fills
  // its columns station by station at the same instants, so the second and
  // third station on a port get exactly the pairs their own searches would
  // find. Turning it off forgets them.
  void rememberPairs(bool on);

  // The pair around the last instant (nothing before the first search).
  std::optional<DateTime> previousHighWater() const { return previousHighWater_; }
  std::optional<DateTime> nextHighWater() const { return nextHighWater_; }
  float springNeapFraction() const { return springNeapFraction_; }

 private:
  bool findHighWaterPair(DateTime instant, Platform& platform);
  bool takeRememberedPair(std::int16_t referencePort, DateTime instant);

  struct FoundPair {
    std::int16_t referencePort;
    DateTime previous, next;
    float springNeapFraction;
  };

  TideEngine& engine_;
  std::optional<DateTime> previousHighWater_;
  std::optional<DateTime> nextHighWater_;
  float springNeapFraction_ = 0;
  bool remembering_ = false;
  std::vector<FoundPair> remembered_;
};

// Keeps a stream engine's pairs for the life of the object.
class RememberedPairs {
 public:
  explicit RememberedPairs(StreamEngine& streams) : streams_(streams) { streams_.rememberPairs(true); }
  ~RememberedPairs() { streams_.rememberPairs(false); }
  RememberedPairs(const RememberedPairs&) = delete;
  RememberedPairs& operator=(const RememberedPairs&) = delete;

 private:
  StreamEngine& streams_;
};

}  // namespace saltmark
