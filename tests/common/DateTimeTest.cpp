#include "common/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace saltmark {
namespace {

TEST(DateTime, EpochAndKnownDays) {
  EXPECT_DOUBLE_EQ(DateTime::fromCivil(1899, 12, 30).serial(), 0.0);
  EXPECT_DOUBLE_EQ(DateTime::fromCivil(1900, 1, 1).serial(), 2.0);
  EXPECT_DOUBLE_EQ(DateTime::fromCivil(2000, 1, 1).serial(), 36526.0);
  EXPECT_DOUBLE_EQ(DateTime::fromCivil(2000, 2, 29).serial(), 36526.0 + 31 + 28);
  EXPECT_DOUBLE_EQ(DateTime::fromCivil(2026, 12, 5, 12).serial(), 46361.5);
  // Before the epoch the day counts back and the time of day forward:
  // 29 December 1899 06:00 is day -1 and a quarter of the day on.
  EXPECT_DOUBLE_EQ(DateTime::fromCivil(1899, 12, 29, 6).serial(), -1.25);
  EXPECT_EQ(DateTime(-1.25).addMinutes(18 * 60), DateTime::fromCivil(1899, 12, 30));
  EXPECT_EQ(DateTime(0.0).addMinutes(-1), DateTime::fromCivil(1899, 12, 29, 23, 59));
}

TEST(DateTime, CivilRoundTripAcrossLeapDays) {
  const struct { int y, m, d, hh, mm, ss; } cases[] = {
      {2024, 2, 29, 23, 59, 59}, {1900, 3, 1, 0, 0, 0}, {2100, 2, 28, 6, 30, 0}, {1899, 12, 29, 6, 0, 0},
      {1850, 7, 4, 18, 15, 1},   {2000, 2, 29, 12, 0, 0}};  // the last days of a 400-year era
  for (const auto& c : cases) {
    const CivilDateTime t = DateTime::fromCivil(c.y, c.m, c.d, c.hh, c.mm, c.ss).civil();
    EXPECT_EQ(std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second), std::tie(c.y, c.m, c.d, c.hh, c.mm, c.ss));
  }
}

TEST(DateTime, CalendarAdditionDifferencesAndValidDates) {
  const DateTime newYearsEve = DateTime::fromCivil(2026, 12, 31, 23, 59, 30);
  EXPECT_EQ(newYearsEve.addSeconds(30), DateTime::fromCivil(2027, 1, 1));
  EXPECT_EQ(newYearsEve.addMinutes(-24 * 60), DateTime::fromCivil(2026, 12, 30, 23, 59, 30));
  EXPECT_EQ(newYearsEve.addDays(1), DateTime::fromCivil(2027, 1, 1, 23, 59, 30));
  // Differences count boundaries crossed, as whole units.
  const DateTime a = DateTime::fromCivil(2026, 1, 1, 0, 0, 59);
  const DateTime b = DateTime::fromCivil(2026, 1, 1, 0, 1, 0);
  EXPECT_EQ(minutesBetween(a, b), 1);
  EXPECT_EQ(secondsBetween(a, b), 1);
  EXPECT_EQ(minutesBetween(b, a), -1);
  EXPECT_EQ(daysBetween(DateTime::fromCivil(2026, 1, 1, 23), DateTime::fromCivil(2026, 1, 2, 1)), 1);
  // Dates that do not exist are refused.
  EXPECT_FALSE(DateTime::tryFromCivil(2026, 4, 31));
  EXPECT_FALSE(DateTime::tryFromCivil(2025, 2, 29));
  EXPECT_TRUE(DateTime::tryFromCivil(2024, 2, 29));
  EXPECT_FALSE(DateTime::tryFromCivil(2026, 1, 1, 24, 0));
  EXPECT_FALSE(DateTime::tryFromCivil(2026, 13, 1));
}

TEST(DateTime, MillisecondsRoundHalfAwayFromZeroLikeTheLibrary) {
  // 12:00 computed in floating point may land a hair below; it still reads 12:00:00.
  const DateTime noon(46000.0 + 0.5 - 1e-12);
  EXPECT_EQ(noon.civil().hour, 12);
  EXPECT_EQ(noon.civil().second, 0);
  // Products landing on, just below and just above half a millisecond.
  for (const double ms : {0.5, 1.5, 2.4999999, 46361.5 * 86'400'000.0 + 0.5, 123456789.5, 0.0}) {
    for (const double product : {ms, std::nextafter(ms, 0.0), std::nextafter(ms, 1e300)}) {
      const DateTime t(product / 86'400'000.0);
      EXPECT_EQ(t.linearMilliseconds(), std::llround(t.serial() * 86'400'000.0)) << product;
    }
  }
  // Before the epoch the whole days count back and the time of day forward.
  const DateTime before(-1.25 - 0.5 / 86'400'000.0);
  EXPECT_EQ(before.linearMilliseconds(), -86'400'000 + std::llround(0.25 * 86'400'000.0 + 0.5));
}

}  // namespace
}  // namespace saltmark
