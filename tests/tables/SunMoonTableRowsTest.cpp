// Sun and moon rows in the high and low water listing: each in time order
// among the tide rows, and only when asked for.
#include <gtest/gtest.h>

#include <sstream>

#include "almanac/SunMoonRows.h"
#include "platform/ScriptedPlatform.h"
#include "tables/GeneratorTestSupport.h"
#include "tables/TideTableGenerator.h"

namespace saltmark {
namespace {

std::vector<std::string> rowsAfterHeader(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream lines(text);
  std::string line;
  bool body = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (body) rows.push_back(line);
    if (line.rfind("Units: ", 0) == 0) body = true;
  }
  if (!rows.empty() && rows.front().empty()) rows.erase(rows.begin());
  return rows;
}

TEST(SunMoonTableRows, GoAmongTheWatersInTimeOrder) {
  const DateTime day = DateTime::fromCivil(2026, 12, 5);
  Settings settings;
  settings.timeBase = static_cast<std::int16_t>(TimeBase::Gmt);
  ScriptedPlatform platform;
  WaterEventCounter events;
  test::RecordingProgress progress;
  struct Case {
    TideListing listing;
    std::vector<std::string> expected;
  };
  // the curve has high waters at 03:00 and 15:00, low waters at 09:00 and 21:00
  const Case cases[] = {
      {TideListing::HighLow,
       {"A", "05 Dec 2026 03:00\t3.50\tHI", "05 Dec 2026 09:00\t0.50\tLO", "B", "05 Dec 2026 15:00\t3.50\tHI",
        "05 Dec 2026 21:00\t0.50\tLO", "C", "D"}},
      {TideListing::Highest, {"03:00 05 Dec 2026\t3.50\tHI ", "15:00 05 Dec 2026\t3.50\tHI "}},  // no rows here
  };
  for (const Case& c : cases) {
    TideTableRequest request;
    request.start = day;
    request.listing = c.listing;
    request.highestText = "2";
    request.sunMoonRows = {{day.addMinutes(120), "A"},
                           {day.addMinutes(600), "B"},
                           {day.addMinutes(1439), "C"},
                           {day.addMinutes(1440), "D"}};
    test::CurveHeights heights(day, test::twiceDaily);
    TableTextBuffer text;
    ASSERT_EQ(GenerateTideTable(request, heights, TableRun{settings, "0", text, progress, platform, events}),
              JobOutcome::Completed);
    EXPECT_EQ(rowsAfterHeader(text.text()), c.expected);
  }
}

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
