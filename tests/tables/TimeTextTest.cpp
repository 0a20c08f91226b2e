#include "tables/TimeText.h"

#include <gtest/gtest.h>

#include "tables/StreamText.h"

namespace saltmark {
namespace {

TEST(TimeText, ShowsDatesTimesRatesAndDirections) {
  const DateTime instant = DateTime::fromCivil(2026, 12, 5, 14, 5, 9);
  // An instant a hair before the minute, as repeated additions leave it: the nearest second is shown.
  const DateTime justBefore = DateTime::fromCivil(2026, 12, 31, 23, 59, 59).addSeconds(0.7);
  const std::pair<std::string, const char*> cases[] = {
      {FormatDate(instant), "05 Dec 2026"},
      {FormatTimeHM(instant), "14:05"},
      {FormatTimeHMS(instant), "14:05:09"},
      {FormatTimeDate(instant), "14:05 05 Dec 2026"},
      {FormatTimeDate(DateTime::fromCivil(1899, 12, 30)), "00:00 30 Dec 1899"},
      {FormatDate(DateTime::fromCivil(1850, 3, 1, 6)), "01 Mar 1850"},
      {FormatTimeHMS(justBefore), "00:00:00"},
      {FormatTimeDate(justBefore), "00:00 01 Jan 2027"},
      {FormatTimeHM(DateTime::fromCivil(2026, 6, 1, 13, 59, 59)), "13:59"},
      {FormatTimeHMS(DateTime(46000.5 - 0.2 / 86400)), "12:00:00"},
      {FormatSpeed(2.25f), " 2.3"},
      {FormatSpeed(-0.4f), " -0.4"},
      {FormatSpeed(0.0f), " 0.0"},
      {FormatSpeed(12.34f), " 12.3"},
      {FormatDegrees(5), "005"},
      {FormatDegrees(270), "270"},
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

}  // namespace
}  // namespace saltmark
