#include "display/ClockDisplay.h"

#include <cstdlib>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "tables/TimeText.h"

namespace saltmark {
namespace {

double zoneMinutes(std::int16_t quarters) {
  if (std::abs(int{quarters}) > kMaxZoneOffsetQuarters) throw RuntimeError(errc::kOverflow);
  return 15.0 * quarters;
}

bool withinLimit(int quarters) { return quarters >= -kMaxZoneOffsetQuarters && quarters <= kMaxZoneOffsetQuarters; }

// An offset beyond the limit may still step back toward it.
bool acceptable(int from, int to) { return withinLimit(to) || std::abs(to) < std::abs(from); }

}  // namespace

ClockInstants ClockInstantsAt(DateTime clock, const Settings& settings) {
  ClockInstants result;
  result.clock = clock;
  result.gmt = clock.addMinutes(zoneMinutes(settings.systemZoneOffset));
  result.local = result.gmt.addMinutes(-zoneMinutes(settings.localZoneOffset));
  return result;
}

DateTime InstantInTimeBase(const ClockInstants& instants, std::int16_t timeBase) {
  switch (timeBase) {
    case 1: return instants.local;
    case 2: return instants.clock;
    default: return instants.gmt;
  }
}

std::string ZoneLabelText(const Settings& settings) {
  switch (settings.timeBase) {
    case 1: return FormatZoneOffset(settings.localZoneOffset);
    case 2: return FormatZoneOffset(settings.systemZoneOffset);
    default: return FormatZoneOffset(0);
  }
}

ZonesClockTexts ZonesTexts(const ClockInstants& instants, const Settings& settings) {
  ZonesClockTexts texts;
  texts.syszone = FormatZoneOffset(settings.systemZoneOffset);
  texts.loczone = FormatZoneOffset(settings.localZoneOffset);
  texts.dostime = FormatTimeHMS(instants.clock);
  texts.gmttime = FormatTimeHMS(instants.gmt);
  texts.loctime = FormatTimeHMS(instants.local);
  texts.dosdate = FormatDate(instants.clock);
  texts.gmtdate = FormatDate(instants.gmt);
  texts.locdate = FormatDate(instants.local);
  return texts;
}

std::optional<ZoneStep> ZoneButtonStep(std::string_view buttonName) {
  if (buttonName == "Command1" || buttonName == "Command14") return ZoneStep{-1, 0};
  if (buttonName == "Command3" || buttonName == "Command13") return ZoneStep{+1, 0};
  if (buttonName == "Command10") return ZoneStep{0, +1};
  if (buttonName == "Command12") return ZoneStep{0, -1};
  if (buttonName == "Command2") return ZoneStep{+1, +1};
  if (buttonName == "Command4") return ZoneStep{-1, -1};
  return std::nullopt;
}

bool ApplyZoneStep(Settings& settings, ZoneStep step) {
  const int local = settings.localZoneOffset + step.local;
  const int system = settings.systemZoneOffset + step.system;
  if (!acceptable(settings.localZoneOffset, local) || !acceptable(settings.systemZoneOffset, system)) return false;
  settings.localZoneOffset = static_cast<std::int16_t>(local);
  settings.systemZoneOffset = static_cast<std::int16_t>(system);
  return true;
}

std::int16_t PortZoneQuarters(std::string_view portZone) { return CInt(Val(portZone) * 4); }

}  // namespace saltmark
