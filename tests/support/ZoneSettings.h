#pragma once
// Settings that differ from the defaults only in the time base and the zone
// offsets, for tests of what the time base moves.
#include <cstdint>

#include "data/Settings.h"

namespace saltmark::test {

// The offsets in quarter hours, positive west.
inline Settings zoneSettings(TimeBase base, int systemOffset = 0, int localOffset = 0) {
  Settings settings;
  settings.timeBase = static_cast<std::int16_t>(base);
  settings.systemZoneOffset = static_cast<std::int16_t>(systemOffset);
  settings.localZoneOffset = static_cast<std::int16_t>(localOffset);
  return settings;
}

}  // namespace saltmark::test
