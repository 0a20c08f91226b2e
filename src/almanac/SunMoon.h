#pragma once
// Sun and moon beside the tide: sunrise and sunset, civil twilight,
// moonrise and moonset, and the four principal phases of the moon, for a
// position on the earth. The positions of the two bodies come from libnova;
// this file only finds when they cross the horizon (or when the moon's
// elongation passes a quarter) by scanning and halving.
//
// Conventions, as the nautical almanacs use them:
//   sunrise, sunset   the upper limb on the horizon with standard refraction
//                     (centre 50' below a level horizon)
//   civil twilight    the centre 6 degrees below the horizon
//   moonrise, moonset the upper limb on the horizon, allowing for the moon's
//                     parallax and refraction
//   moon phases       the moon's apparent longitude less the sun's is 0
//                     (new), 90 (first quarter), 180 (full), 270 (last quarter)
// Instants are GMT (UT) to about a second.
#include <optional>
#include <string_view>
#include <vector>

#include "common/DateTime.h"

namespace saltmark {

enum class SkyEventKind {
  CivilDawn,
  Sunrise,
  Sunset,
  CivilDusk,
  Moonrise,
  Moonset,
  NewMoon,
  FirstQuarter,
  FullMoon,
  LastQuarter,
};

// "Sunrise", "Sunset", "Civil Twilight Begins", "New Moon", ...
std::string_view SkyEventCaption(SkyEventKind kind);
bool IsMoonPhase(SkyEventKind kind);

struct SkyEvent {
  DateTime gmt;
  SkyEventKind kind;
  friend bool operator==(const SkyEvent&, const SkyEvent&) = default;
};

// A position the astronomy can use: latitude within +-90 degrees and both
// angles finite. Radians, north and east positive.
struct SkyPosition {
  double latitude = 0;
  double longitude = 0;
};
std::optional<SkyPosition> UsableSkyPosition(double latitude, double longitude);

// Every event from `from` (inclusive) to `to` (exclusive), GMT, in time
// order. A position of nullopt has no rising or setting events (the phases
// of the moon, which do not depend on the place, are still given). Near the
// poles a day may have no sunrise or no sunset: then there is simply no
// such event.
std::vector<SkyEvent> SunMoonEvents(std::optional<SkyPosition> position, DateTime from, DateTime to);

// Only the moon's phases, GMT, in time order.
std::vector<SkyEvent> MoonPhases(DateTime from, DateTime to);

}  // namespace saltmark
