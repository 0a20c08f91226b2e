// The sun and moon rows a tide table shows: times as an almanac gives them.
#include <gtest/gtest.h>

#include <algorithm>

#include "almanac/SunMoonRows.h"

namespace saltmark {
namespace {

TEST(SunMoonTableRows, ReadAsAnAlmanacDoesAndSayNoSunriseOnAPolarDay) {
  Settings gmt;
  gmt.timeBase = static_cast<std::int16_t>(TimeBase::Gmt);
  LocationRecord london;
  london.latitudeText = "51\xB0" "30.4'N";
  london.longitudeText = "000\xB0" "07.7'W";
  london.portZone = "0";
  const DateTime winter = DateTime::fromCivil(2024, 12, 21);
  const auto rows = SunMoonTableRows(london, gmt, winter, winter.addDays(1));
  // Royal Observatory Greenwich: sunrise in London on 21 December 2024 at 08:04
  EXPECT_NE(std::find_if(rows.begin(), rows.end(),
                         [](const auto& row) { return row.second == "08:04 21 Dec 2024  Sunrise"; }),
            rows.end());
  for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LE(rows[i - 1].first, rows[i].first);

  LocationRecord barrow;
  barrow.latitudeText = "71\xB0" "22'N";
  barrow.longitudeText = "156\xB0" "44'W";
  barrow.portZone = "9";
  const auto polar = SunMoonTableRows(barrow, gmt, winter, winter.addDays(1));
  ASSERT_GE(polar.size(), 2u);
  EXPECT_EQ(polar[0].second, "      21 Dec 2024  no sunrise");
  EXPECT_EQ(polar[1].second, "      21 Dec 2024  no sunset");
}

}  // namespace
}  // namespace saltmark
