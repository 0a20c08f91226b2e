// Listings for spreadsheets, scripts and calendars: rows read back from the
// viewer's text, numbers in plain decimal form, ISO times with the zone's
// offset, and calendar files that follow the iCalendar rules.
#include <gtest/gtest.h>

#include "tables/EventExport.h"

namespace saltmark {
namespace {

TEST(EventExport, TableRowsAreReadFromEitherInstantFormAndHeadersAreSkipped) {
  const std::string text =
      "Saltmark Tide Table (c) 2026\r\nLocation:  Test Harbour 50\xB0" "48'N\r\nUnits: Metres\r\n\r\n"
      "05 Dec 2026 14:05\t4.23\tHI\r\n"
      "05 Dec 2026 20:11\t0.52\tLO\tUKC  1.0 \r\n"
      "14:05 05 Dec 2026\t4.23\tHI \r\n"
      "2 22:48 05 Dec 2026\t 1.5\t045\r\n"
      "31 Feb 2026 10:00\t1.00\tHI\r\n";  // no such day: not a row
  const auto rows = ReadTableRows(text);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].time, DateTime::fromCivil(2026, 12, 5, 14, 5));
  EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"4.23", "HI"}));
  EXPECT_EQ(rows[1].fields.size(), 3u);
  EXPECT_EQ(rows[2].time, DateTime::fromCivil(2026, 12, 5, 14, 5));
  EXPECT_EQ(rows[3].time, DateTime::fromCivil(2026, 12, 5, 22, 48));
  EXPECT_EQ(rows[3].fields, (std::vector<std::string>{" 1.5", "045"}));
}

TEST(EventExport, HeightsBecomePlainNumbersInTheirUnit) {
  const std::pair<const char*, const char*> cases[] = {
      {"4.23", "4.23"},     {"-0.46", "-0.46"},     {" 8' 6 ", "8.5"}, {"-12'11 ", "-12.9166667"},
      {"  0' 0 ", "0"},     {"", ""},              {"  ", ""},        {"AFLOAT", ""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(PlainHeightNumber(text), expected) << text;
}

TEST(EventExport, CsvAndJsonCarryTheZoneOffsetAndQuoteWhatNeedsIt) {
  ExportTable table;
  table.utcOffsetMinutes = -300;  // five hours west
  table.columns = {{"height_m", true}, {"kind", false}};
  table.rows = {{DateTime::fromCivil(2026, 12, 5, 14, 5), {"4.23", "HI"}},
                {DateTime::fromCivil(2026, 12, 5, 20, 11), {"", "say \"low\", then"}}};
  EXPECT_EQ(CsvText(table),
            "time,height_m,kind\r\n"
            "2026-12-05T14:05:00-05:00,4.23,HI\r\n"
            "2026-12-05T20:11:00-05:00,,\"say \"\"low\"\", then\"\r\n");
  EXPECT_EQ(JsonText(table),
            "[\n"
            "  {\"time\": \"2026-12-05T14:05:00-05:00\", \"height_m\": 4.23, \"kind\": \"HI\"},\n"
            "  {\"time\": \"2026-12-05T20:11:00-05:00\", \"height_m\": null, \"kind\": \"say \\\"low\\\", then\"}\n"
            "]\n");
  EXPECT_EQ(IsoInstant(DateTime::fromCivil(2026, 6, 1, 0, 0), 330), "2026-06-01T00:00:00+05:30");
  table.rows.clear();
  EXPECT_EQ(JsonText(table), "[]\n");
}

TEST(EventExport, CalendarEventsFollowTheIcalendarRules) {
  CalendarExport calendar;
  calendar.location = std::string("Saint-Malo, Bretagne; a port with a long name that runs past the fold ") +
                      "\xE9" "t\xE9" + std::string(80, '.');  // and past a second fold
  calendar.geo = std::pair{48.64, -2.0267};
  calendar.stamp = DateTime::fromCivil(2026, 12, 1, 8, 0);
  calendar.events = {{DateTime::fromCivil(2026, 12, 5, 14, 5), "High water 4.23 m", "HW"}};
  const std::string ics = IcsText(calendar);
  EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0u);
  EXPECT_NE(ics.find("UID:20261205T140500Z-HW-"), std::string::npos);
  EXPECT_NE(ics.find("DTSTART:20261205T140500Z\r\n"), std::string::npos);
  EXPECT_NE(ics.find("DTSTAMP:20261201T080000Z\r\n"), std::string::npos);
  EXPECT_NE(ics.find("GEO:48.640000;-2.026700\r\n"), std::string::npos);
  EXPECT_NE(ics.find("LOCATION:Saint-Malo\\, Bretagne\\; a port"), std::string::npos);
  EXPECT_NE(ics.find("\xC3\xA9t\xC3\xA9"), std::string::npos);  // UTF-8
  // no line longer than 75 octets; continuation lines start with a blank
  std::size_t start = 0;
  while (start < ics.size()) {
    const std::size_t end = ics.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LE(end - start, 75u) << ics.substr(start, end - start);
    start = end + 2;
  }
  EXPECT_NE(ics.find("\r\n "), std::string::npos);
  // the same event exported again (another day) keeps its UID
  CalendarExport later = calendar;
  later.stamp = DateTime::fromCivil(2026, 12, 3);
  const auto uid = [](const std::string& text) { return text.substr(text.find("UID:"), 60); };
  EXPECT_EQ(uid(IcsText(later)), uid(ics));
}

}  // namespace
}  // namespace saltmark
