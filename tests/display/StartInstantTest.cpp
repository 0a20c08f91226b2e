#include "display/StartInstant.h"

#include <gtest/gtest.h>

#include <string>

#include "tables/TimeText.h"

namespace saltmark {
namespace {

std::string shownDate(std::string_view typed) {
  const auto date = ParseDateBox(typed);
  return date ? FormatTimeDate(*date) : "refused";
}

TEST(ParseDateBox, AcceptsTheFormsUsersTypeAndRefusesTheRest) {
  for (const char* typed : {"05 Dec 2026", "5 dec 2026", "  5 DEC 2026 ", "5 December 2026", "5-Dec-2026",
                            "Dec 5 2026", "December 5, 2026", "5/12/2026", "5-12-2026", "05.12.2026", "2026-12-05",
                            "2026/12/5", "5/12/26"})
    EXPECT_EQ(shownDate(typed), "00:00 05 Dec 2026") << '"' << typed << '"';
  const std::pair<const char*, const char*> others[] = {{"5 Sept 2026", "00:00 05 Sep 2026"},
                                                        {"5/12/95", "00:00 05 Dec 1995"},
                                                        {"29 Feb 2028", "00:00 29 Feb 2028"},
                                                        {"31 Jan 1850", "00:00 31 Jan 1850"}};
  for (const auto& [typed, expected] : others) EXPECT_EQ(shownDate(typed), expected) << '"' << typed << '"';
  for (const char* typed : {"", "   ", "31 Apr 2026", "29 Feb 2027", "0 Jan 2026", "5/13/2026", "12/31/2026",
                            "5 De 2026", "5 Decembers 2026", "5 Dec", "5 Dec 2026 14:00", "5 Dec 202",
                            "5:12:2026", "Dec 2026", "2026-13-01", "5 Xyz 2026", "005/12/2026"})
    EXPECT_EQ(shownDate(typed), "refused") << '"' << typed << '"';
}

TEST(ParseTimeBox, AcceptsHoursMinutesAndSecondsRefusesImpossibleTimesAndJoinsTheDate) {
  const std::pair<const char*, TimeOfDay> cases[] = {
      {"7:5", {7, 5, 0}},      {"07:05", {7, 5, 0}},     {"7:05:09", {7, 5, 9}}, {" 23:59:59 ", {23, 59, 59}},
      {"0:0", {0, 0, 0}},      {"14:05:9", {14, 5, 9}}};
  for (const auto& [typed, expected] : cases) EXPECT_EQ(ParseTimeBox(typed), expected) << '"' << typed << '"';
  for (const char* typed : {"", "25:00", "24:00", "12:60", "12:00:60", "7", "7:", ":5", "007:05", "7:05:00:00",
                            "7.05", "7:5 pm", "-1:00", "a:b"})
    EXPECT_FALSE(ParseTimeBox(typed).has_value()) << '"' << typed << '"';
  // The start instant joins the two boxes.
  EXPECT_EQ(ReadStartInstant("05 Dec 2026", "14:05"), DateTime::fromCivil(2026, 12, 5, 14, 5));
  EXPECT_EQ(ReadStartInstant("05 Dec 2026", "23:59:59"), DateTime::fromCivil(2026, 12, 5, 23, 59, 59));
  EXPECT_EQ(ReadStartInstant("1 Jan 1850", "06:30"), DateTime::fromCivil(1850, 1, 1, 6, 30));
  EXPECT_EQ(ReadStartInstant("05 Dec 2026", ""), DateTime::fromCivil(2026, 12, 5));  // empty time: midnight
  const std::pair<const char*, const char*> refused[] = {
      {"", "14:05"}, {"31 Apr 2026", "14:05"}, {"05 Dec 2026", "25:00"}};
  for (auto [date, time] : refused) EXPECT_FALSE(ReadStartInstant(date, time)) << date << " " << time;
}

}  // namespace
}  // namespace saltmark
