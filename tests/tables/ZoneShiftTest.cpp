#include "tables/ZoneShift.h"

#include <gtest/gtest.h>

#include <string>

#include "common/RuntimeError.h"
#include "tables/TimeText.h"

namespace saltmark {
namespace {

Settings zoneSettings(TimeBase base, std::int16_t systemOffset = 0, std::int16_t localOffset = 0) {
  Settings settings;
  settings.timeBase = static_cast<std::int16_t>(base);
  settings.systemZoneOffset = systemOffset;
  settings.localZoneOffset = localOffset;
  return settings;
}

std::string shifted(DateTime t, const Settings& settings, const char* portZone) {
  return FormatTimeDate(ShiftToDisplayZone(t, settings, portZone));
}

// One instant, 12:00 GMT, typed in each time base with matching offsets:
// the local zone one hour east (-4), the computer two hours east (-8).
TEST(ShiftToDisplayZone, SameInstantInEveryBaseGivesSamePortTime) {
  const DateTime gmt = DateTime::fromCivil(2026, 7, 15, 12, 0);
  const DateTime local = DateTime::fromCivil(2026, 7, 15, 13, 0);
  const DateTime system = DateTime::fromCivil(2026, 7, 15, 14, 0);
  const std::pair<const char*, const char*> ports[] = {
      {"0", "12:00 15 Jul 2026"},   {"1", "11:00 15 Jul 2026"},     {"-5.5", "17:30 15 Jul 2026"},
      {"-1", "13:00 15 Jul 2026"},  {"10", "02:00 15 Jul 2026"},    {"-12.75", "00:45 16 Jul 2026"},
      {" 3 ", "09:00 15 Jul 2026"}, {"none", "12:00 15 Jul 2026"}};
  for (const auto& [zone, expected] : ports) {
    EXPECT_EQ(shifted(gmt, zoneSettings(TimeBase::Gmt, -8, -4), zone), expected) << "GMT, zone " << zone;
    EXPECT_EQ(shifted(local, zoneSettings(TimeBase::Local, -8, -4), zone), expected) << "Local, zone " << zone;
    EXPECT_EQ(shifted(system, zoneSettings(TimeBase::System, -8, -4), zone), expected) << "System, zone " << zone;
  }
}

TEST(ShiftToDisplayZone, CrossesMidnightAndMonthEnds) {
  struct Case {
    DateTime typed;
    Settings settings;
    const char* portZone;
    const char* expected;
  };
  const Case cases[] = {
      {DateTime::fromCivil(2026, 12, 31, 23, 30), zoneSettings(TimeBase::Gmt), "-1", "00:30 01 Jan 2027"},
      {DateTime::fromCivil(2027, 1, 1, 0, 30), zoneSettings(TimeBase::Gmt), "1", "23:30 31 Dec 2026"},
      {DateTime::fromCivil(2027, 2, 28, 23, 0), zoneSettings(TimeBase::Gmt), "-2", "01:00 01 Mar 2027"},
      {DateTime::fromCivil(2028, 2, 28, 23, 0), zoneSettings(TimeBase::Gmt), "-2", "01:00 29 Feb 2028"},
      {DateTime::fromCivil(2026, 3, 1, 0, 30), zoneSettings(TimeBase::Local, 0, 4), "0", "01:30 01 Mar 2026"},
      {DateTime::fromCivil(2026, 5, 1, 0, 15), zoneSettings(TimeBase::System, 0), "1", "23:15 30 Apr 2026"},
      {DateTime::fromCivil(2026, 4, 30, 22, 0), zoneSettings(TimeBase::System, -4), "-5.5", "02:30 01 May 2026"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(shifted(c.typed, c.settings, c.portZone), c.expected) << FormatTimeDate(c.typed);
}

TEST(ShiftToDisplayZone, QuarterCountsAndLimits) {
  EXPECT_EQ(DisplayZoneShiftQuarters(zoneSettings(TimeBase::Gmt), "1"), -4);
  EXPECT_EQ(DisplayZoneShiftQuarters(zoneSettings(TimeBase::Local, 0, -4), "1"), -8);
  EXPECT_EQ(DisplayZoneShiftQuarters(zoneSettings(TimeBase::System, 6, 0), "-5.5"), 28);
  EXPECT_EQ(DisplayZoneShiftQuarters(zoneSettings(TimeBase::Gmt), "0.125"), 0);  // half a quarter: to even
  EXPECT_EQ(DisplayZoneShiftQuarters(zoneSettings(TimeBase::Gmt), "0.375"), -2);
  Settings damaged = zoneSettings(TimeBase::Gmt, 8, 8);
  damaged.timeBase = 7;
  EXPECT_EQ(DisplayZoneShiftQuarters(damaged, "1"), -4);
  EXPECT_THROW(DisplayZoneShiftQuarters(zoneSettings(TimeBase::Local, 0, 32767), "-1"), RuntimeError);
}

}  // namespace
}  // namespace saltmark
