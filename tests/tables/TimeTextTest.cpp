#include "tables/TimeText.h"

#include <gtest/gtest.h>

#include "tables/StreamText.h"

namespace saltmark {
namespace {

TEST(TimeText, ShowsDateAndTime) {
  const DateTime instant = DateTime::fromCivil(2026, 12, 5, 14, 5, 9);
  EXPECT_EQ(FormatDate(instant), "05 Dec 2026");
  EXPECT_EQ(FormatTimeHM(instant), "14:05");
  EXPECT_EQ(FormatTimeHMS(instant), "14:05:09");
  EXPECT_EQ(FormatTimeDate(instant), "14:05 05 Dec 2026");
  EXPECT_EQ(FormatTimeDate(DateTime::fromCivil(1899, 12, 30)), "00:00 30 Dec 1899");
  EXPECT_EQ(FormatDate(DateTime::fromCivil(1850, 3, 1, 6)), "01 Mar 1850");
}

TEST(TimeText, EveryMonthHasItsEnglishAbbreviation) {
  const char* expected[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(FormatDate(DateTime::fromCivil(2027, month, 28)), std::string("28 ") + expected[month - 1] + " 2027");
}

TEST(TimeText, ShowsTheNearestSecond) {
  // An instant a hair before the minute, as repeated additions leave it.
  const DateTime justBefore = DateTime::fromCivil(2026, 12, 31, 23, 59, 59).addSeconds(0.7);
  EXPECT_EQ(FormatTimeHMS(justBefore), "00:00:00");
  EXPECT_EQ(FormatTimeDate(justBefore), "00:00 01 Jan 2027");
  EXPECT_EQ(FormatTimeHM(DateTime::fromCivil(2026, 6, 1, 13, 59, 59)), "13:59");
  EXPECT_EQ(FormatTimeHMS(DateTime(46000.5 - 0.2 / 86400)), "12:00:00");
}

TEST(TimeText, ZoneOffsetAsSignHoursMinutes) {
  const std::pair<std::int16_t, const char*> cases[] = {
      {4, "+01:00"}, {-5, "-01:15"}, {0, " 00:00"},   {1, "+00:15"},   {-1, "-00:15"},
      {3, "+00:45"}, {22, "+05:30"}, {-48, "-12:00"}, {-50, "-12:30"}, {400, "+100:00"}};
  for (const auto& [quarters, expected] : cases) EXPECT_EQ(FormatZoneOffset(quarters), expected) << quarters;
}

TEST(StreamText, RatesAndDirections) {
  EXPECT_EQ(FormatSpeed(2.25f), " 2.3");
  EXPECT_EQ(FormatSpeed(-0.4f), " -0.4");
  EXPECT_EQ(FormatSpeed(0.0f), " 0.0");
  EXPECT_EQ(FormatSpeed(12.34f), " 12.3");
  EXPECT_EQ(FormatDegrees(5), "005");
  EXPECT_EQ(FormatDegrees(270), "270");
  EXPECT_EQ(FormatDegrees(0), "000");
}

}  // namespace
}  // namespace saltmark
