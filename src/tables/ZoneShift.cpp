#include "tables/ZoneShift.h"

#include "common/VbNumbers.h"

namespace saltmark {

std::int16_t DisplayZoneShiftQuarters(const Settings& settings, std::string_view portZone) {
  const double portQuarters = 4 * Val(portZone);
  switch (static_cast<TimeBase>(settings.timeBase)) {
    case TimeBase::Local:
      return CInt(settings.localZoneOffset - portQuarters);
    case TimeBase::System:
      // The computer's clock is its own zone: GMT = clock + system offset.
      return CInt(settings.systemZoneOffset - portQuarters);
    case TimeBase::Gmt:
    default:
      return CInt(-portQuarters);
  }
}

DateTime ShiftToDisplayZone(DateTime instant, const Settings& settings, std::string_view portZone) {
  return instant.addMinutes(15.0 * DisplayZoneShiftQuarters(settings, portZone));
}

}  // namespace saltmark
