#include "tables/TimeText.h"

#include <gtest/gtest.h>

#include "common/RuntimeError.h"
#include "tables/StreamText.h"
#include "tables/ZoneShift.h"
#include "support/ZoneSettings.h"

namespace saltmark {
namespace {

TEST(TimeText, ShowsDatesTimesRatesAndDirections) {
  const DateTime instant = DateTime::fromCivil(2026, 12, 5, 14, 5, 9);
  // An instant a hair before the minute, as repeated additions leave it: the nearest second is shown.
  const DateTime justBefore = DateTime::fromCivil(2026, 12, 31, 23, 59, 59).addSeconds(0.7);
  const std::pair<std::string, const char*> cases[] = {
      {FormatDate(instant), "05 Dec 2026"},           {FormatTimeHM(instant), "14:05"},
      {FormatTimeHMS(instant), "14:05:09"},          {FormatTimeDate(instant), "14:05 05 Dec 2026"},
      {FormatTimeDate(DateTime::fromCivil(1899, 12, 30)), "00:00 30 Dec 1899"},
      {FormatDate(DateTime::fromCivil(1850, 3, 1, 6)), "01 Mar 1850"},
      {FormatTimeHMS(justBefore), "00:00:00"},       {FormatTimeDate(justBefore), "00:00 01 Jan 2027"},
      {FormatTimeHM(DateTime::fromCivil(2026, 6, 1, 13, 59, 59)), "13:59"},
      {FormatTimeHMS(DateTime(46000.5 - 0.2 / 86400)), "12:00:00"},
      {FormatSpeed(2.25f), " 2.3"},  {FormatSpeed(-0.4f), " -0.4"}, {FormatSpeed(0.0f), " 0.0"},
      {FormatSpeed(12.34f), " 12.3"}, {FormatDegrees(5), "005"},     {FormatDegrees(270), "270"},
      {FormatDegrees(0), "000"},
  };
  for (const auto& [shown, expected] : cases) EXPECT_EQ(shown, expected);
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(FormatDate(DateTime::fromCivil(2027, month, 28)), std::string("28 ") + months[month - 1] + " 2027");
}

TEST(TimeText, ZoneOffsetAsSignHoursMinutes) {
  const std::pair<std::int16_t, const char*> cases[] = {
      {4, "+01:00"}, {-5, "-01:15"}, {0, " 00:00"},   {1, "+00:15"},   {-1, "-00:15"},
      {3, "+00:45"}, {22, "+05:30"}, {-48, "-12:00"}, {-50, "-12:30"}, {400, "+100:00"}};
  for (const auto& [quarters, expected] : cases) EXPECT_EQ(FormatZoneOffset(quarters), expected) << quarters;
}

// The local zone one hour east (-4 quarters), the computer two hours east (-8):
// the typed instant moves by the base's offset less the port's zone, rounded
// to quarter hours, halves to even; an unknown base is GMT.
TEST(ShiftToDisplayZone, MovesByTheBasesOffsetLessThePortsZoneInWholeQuarters) {
  const struct {
    TimeBase base;
    const char* portZone;
    DateTime typed;
    const char* expected;
  } cases[] = {
      {TimeBase::Gmt, "0", DateTime::fromCivil(2026, 7, 15, 12, 0), "12:00 15 Jul 2026"},
      {TimeBase::Gmt, "1", DateTime::fromCivil(2026, 7, 15, 12, 0), "11:00 15 Jul 2026"},
      {TimeBase::Gmt, "-5.5", DateTime::fromCivil(2026, 7, 15, 12, 0), "17:30 15 Jul 2026"},
      {TimeBase::Gmt, "-12.75", DateTime::fromCivil(2026, 7, 15, 12, 0), "00:45 16 Jul 2026"},
      {TimeBase::Gmt, " 3 ", DateTime::fromCivil(2026, 7, 15, 12, 0), "09:00 15 Jul 2026"},
      {TimeBase::Gmt, "none", DateTime::fromCivil(2026, 7, 15, 12, 0), "12:00 15 Jul 2026"},
      {TimeBase::Gmt, "-1", DateTime::fromCivil(2026, 12, 31, 23, 30), "00:30 01 Jan 2027"},
      {TimeBase::Gmt, "-2", DateTime::fromCivil(2028, 2, 28, 23, 0), "01:00 29 Feb 2028"},
      {TimeBase::Local, "10", DateTime::fromCivil(2026, 7, 15, 13, 0), "02:00 15 Jul 2026"},
      {TimeBase::Local, "-1", DateTime::fromCivil(2026, 7, 15, 13, 0), "13:00 15 Jul 2026"},
      {TimeBase::Local, "0", DateTime::fromCivil(2026, 3, 1, 0, 30), "23:30 28 Feb 2026"},
      {TimeBase::System, "0", DateTime::fromCivil(2026, 7, 15, 14, 0), "12:00 15 Jul 2026"},
      {TimeBase::System, "-5.5", DateTime::fromCivil(2026, 7, 15, 14, 0), "17:30 15 Jul 2026"},
      {TimeBase::System, "1", DateTime::fromCivil(2026, 5, 1, 0, 15), "21:15 30 Apr 2026"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatTimeDate(ShiftToDisplayZone(c.typed, test::zoneSettings(c.base, -8, -4), c.portZone)), c.expected)
        << static_cast<int>(c.base) << " zone " << c.portZone << " at " << FormatTimeDate(c.typed);
  EXPECT_EQ(DisplayZoneShiftQuarters(test::zoneSettings(TimeBase::Gmt), "0.125"), 0);  // half a quarter: to even
  EXPECT_EQ(DisplayZoneShiftQuarters(test::zoneSettings(TimeBase::Gmt), "0.375"), -2);
  Settings damaged = test::zoneSettings(TimeBase::Gmt, 8, 8);
  damaged.timeBase = 7;
  EXPECT_EQ(DisplayZoneShiftQuarters(damaged, "1"), -4);
  EXPECT_THROW(DisplayZoneShiftQuarters(test::zoneSettings(TimeBase::Local, 0, 32767), "-1"), RuntimeError);
}

}  // namespace
}  // namespace saltmark
