#include "publisher/PlacePage.h"

#include <gtest/gtest.h>

#include <regex>

#include "publisher/HtmlText.h"
#include "publisher/IndexPage.h"
#include "publisher/PageSunTimes.h"

namespace saltmark {
namespace {

DateTime at(int day, int hour, int minute = 0) { return DateTime::fromCivil(2026, 12, day, hour, minute); }

std::string cell(const std::string& content) { return "<td><font face=\"Arial\" size=\"2\">" + content + "</font></td>"; }
std::string emptyLine(int columns) {
  std::string line = "<tr>";
  for (int c = 0; c < columns; ++c) {
    line += cell("") + cell("") + cell("");
    if (c != columns - 1) line += "<td>&nbsp;&nbsp;</td>";
  }
  return line + "</tr>";
}

// Four waters a day for `days` days from 1 December, or `perDay` of them.
std::vector<MonthEvent> month(int days, int perDay = 4) {
  std::vector<MonthEvent> events;
  for (int d = 1; d <= days; ++d)
    for (int k = 0; k < perDay; ++k) events.push_back({at(d, 1 + 6 * k), k % 2 ? 0.5f : 3.5f});
  return events;
}

PlacePageOptions options(std::int32_t rows) {
  PlacePageOptions o;
  o.start = at(5, 0);
  o.portName = "Testport";
  o.positionText = "50\xB0" "48'N  1\xB0" "07'W";
  o.zoneName = "GMT";
  o.rows = rows;
  o.fontFace = "Arial";
  return o;
}

TEST(HtmlText, QuotesEscapesAndFileNames) {
  HtmlBuffer html;
  html.AppendHtml("<table border=!0!>");  // templates use ! for quotes
  html.AppendHtml("<tr>");
  EXPECT_EQ(html.text(), "<table border=\"0\"><tr>");
  html.ClearHtml();
  EXPECT_EQ(html.text(), "");
  EXPECT_EQ(EscapeHtml("St. Mary's \xB0"), "St. Mary's \xB0");
  EXPECT_EQ(SanitizeFileName("St. Mary's Bay: North/South"), "St._Mary's_Bay-_North-South");
  EXPECT_EQ(SanitizeFileName("a\\b/c:d*e?f<g>h|i\"j k"), "a-b-c-d-e-f-g-h-i-j_k");
  EXPECT_EQ(HtmlLinkTarget("A&B_#1_100%"), "A&amp;B_%231_100%25");
  EXPECT_EQ(HtmlLinkTarget("Br\xE9st"), "Br%C3%A9st");
  EXPECT_EQ(PageFileName("Br\xE9st"), "Br\xC3\xA9st");
}

TEST(PlacePage, ByteExactForASmallMonth) {
  const std::vector<MonthEvent> events = {{at(5, 3), 3.5f}, {at(5, 9), 0.5f}, {at(6, 3, 30), 3.44f}};
  PlacePageLayout layout;
  const std::string page = BuildPlacePage(events, options(31), Settings{}, &layout);
  std::string expected =
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">"
      "<meta NAME=\"Keywords\" CONTENT=\"tide,table,tidal,prediction\">"
      "<meta NAME=\"Description\" CONTENT=\"Tide Tables: Testport\"><title>Testport</title>"
      "</head><body><h1>TIDE TABLES:&nbsp;Testport<font face=\"Arial\" size=\"1\"><br>"
      "TIME ZONE:GMT 50\xB0" "48'N  1\xB0" "07'W&nbsp;&nbsp;Saltmark tidal predictions<br>"
      "Heights in meters<br>"
      "Predicted by <a href=\"https://www.saltmark.example/\">Saltmark</a>, not for navigation</font></h1>"
      "<p><font face=\"Arial\" size=\"2\"><strong>05 Dec 2026</strong></font></p>"
      "<p><font face=\"Arial\" size=\"2\"><table border=\"0\">";
  expected += "<tr>" + cell("<strong>5</strong>") + cell("0300") + cell(" 3.5") + "</tr>";
  expected += "<tr>" + cell("<strong>Sa</strong>") + cell("0900") + cell(" 0.5") + "</tr>";
  expected += emptyLine(1);
  expected += "<tr>" + cell("<strong>6</strong>") + cell("0330") + cell(" 3.4") + "</tr>";  // one event: no weekday
  expected += emptyLine(1);
  for (int r = 2; r < 31; ++r) expected += emptyLine(1);
  expected += "</table></font></body></html>";
  EXPECT_EQ(page, expected);
  EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(layout.columns, 1);
  EXPECT_EQ(layout.rows, 31);

  Settings feet;
  feet.metricUnits = kFalse;
  const std::string inFeet = BuildPlacePage({{at(5, 3), 11.5f}}, options(31), feet);
  EXPECT_NE(inFeet.find("Heights in feet<br>Predicted"), std::string::npos);
  EXPECT_NE(inFeet.find(cell(" 11' 6 ")), std::string::npos);
}

// At most 36 table lines when the rows asked for give more than one column.
TEST(PlacePage, ThirtySixLineRule) {
  const struct { const char* what; std::int32_t rows; int days, perDay, usedRows, usedColumns; } cases[] = {
      // R = 8 gives C = 4; four waters a day need 8 blocks of 5 lines: more
      // than 36, so one column of 30 rows.
      {"eight rows fall back to one column", 8, 30, 4, 30, 1},
      {"two waters a day: 8 blocks of 3 lines fit", 8, 30, 2, 8, 4},
      {"ten rows, three columns", 10, 30, 2, 10, 3}, {"31 rows are one column already", 31, 30, 4, 31, 1},
      {"31 days do not fit 10 x 3: a fourth column", 10, 31, 2, 10, 4},
      {"32 dates in 31 rows: two columns too long, one of 32", 31, 32, 4, 32, 1},
  };
  for (const auto& c : cases) {
    PlacePageLayout layout;
    const std::string page = BuildPlacePage(month(c.days, c.perDay), options(c.rows), Settings{}, &layout);
    EXPECT_EQ(layout.rows, c.usedRows) << c.what;
    EXPECT_EQ(layout.columns, c.usedColumns) << c.what;
    EXPECT_TRUE(c.usedColumns == 1 || layout.tableLines <= 37) << c.what;
    // Every date once in the grid, each with its waters.
    const auto count = [&](const std::regex& pattern) {
      return std::distance(std::sregex_iterator(page.begin(), page.end(), pattern), std::sregex_iterator());
    };
    EXPECT_EQ(count(std::regex("<strong>[0-9]+</strong>")), c.days) << c.what;
    EXPECT_EQ(count(std::regex(">[0-9]{4}</font>")), c.days * c.perDay) << c.what;
    // The abandoned first build leaves nothing behind: one page, once.
    EXPECT_EQ(page.find("<html>", 1), std::string::npos) << c.what;
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos) << c.what;
  }
}

TEST(PlacePage, ReservedCharactersInNamesCannotInjectMarkup) {
  PlacePageOptions o = options(31);
  o.portName = "<script>alert(\"x&y\")</script> Ho!";
  o.positionText = "50\xB0<b>";
  o.zoneName = "GMT\"><i>";
  o.fontFace = "Arial\" onload=\"x";
  const std::string page = BuildPlacePage({{at(5, 3), 1.0f}}, o, Settings{});
  for (const char* markup : {"<script", "<b>", "<i>", "onload=\""})
    EXPECT_EQ(page.find(markup), std::string::npos) << markup;
  EXPECT_NE(page.find("<title>&lt;script&gt;alert(&quot;x&amp;y&quot;)&lt;/script&gt; Ho&#33;</title>"),
            std::string::npos);
  const std::string entry = IndexPageEntry(SanitizeFileName(o.portName), o.positionText, o.portName);
  EXPECT_EQ(entry,
            "<a href=\"-script-alert(-x&amp;y-)--script-_Ho&#33;.html\">50\xB0&lt;b&gt; "
            "&lt;script&gt;alert(&quot;x&amp;y&quot;)&lt;/script&gt; Ho&#33;</a><br>\r\n\r\n");
}

TEST(PlacePage, GroupingKeepsTwentyOneEventsADay) {
  std::vector<MonthEvent> events;
  for (int k = 0; k < 23; ++k) events.push_back({at(5, 0, 2 * k), 1.0f});
  events.push_back({at(6, 3), 2.0f});
  const auto days = GroupEventsByDay(events);
  ASSERT_EQ(days.size(), 1u);  // the 22nd event ends the grouping, later days included
  EXPECT_EQ(days[0].size(), 21u);
}

LocationRecord portAt(const char* latitude, const char* longitude, const char* zone) {
  LocationRecord port;
  port.latitudeText = latitude;
  port.longitudeText = longitude;
  port.portZone = zone;
  return port;
}

// In the polar night the page says so without a time.
TEST(PageSunTimes, EachDayEndsWithItsSunriseAndSunset) {
  Settings gmt;
  gmt.timeBase = static_cast<std::int16_t>(TimeBase::Gmt);
  const std::vector<MonthEvent> waters = {{at(1, 5), 3.5f}, {at(1, 16, 40), 0.5f}, {at(2, 5, 30), 3.4f}};
  const auto merged = WithSunriseAndSunset(waters, portAt("50\xB0" "48'N", "001\xB0" "07'W", "0"), gmt, at(1, 0));
  ASSERT_EQ(merged.size(), 3u + 2u * 31u);  // December: 31 days
  std::vector<std::string> labels;
  for (std::size_t i = 0; i < 6; ++i) labels.push_back(merged[i].label);
  EXPECT_EQ(labels, (std::vector<std::string>{"", "", "Sunrise", "Sunset", "", "Sunrise"}));
  for (std::size_t i = 1; i < merged.size(); ++i) EXPECT_LE(merged[i - 1].time.datePart(), merged[i].time.datePart());
  PlacePageOptions o = options(31);
  o.start = at(1, 0);
  EXPECT_NE(BuildPlacePage(merged, o, gmt).find("Sunrise</font>"), std::string::npos);
  EXPECT_EQ(BuildPlacePage(waters, o, gmt).find("Sun"), std::string::npos);

  const auto polar = WithSunriseAndSunset({}, portAt("71\xB0" "22'N", "156\xB0" "44'W", "9"), gmt, at(10, 0));
  ASSERT_GE(polar.size(), 2u);
  EXPECT_EQ(polar[0].label, "no sunrise");
  EXPECT_EQ(polar[1].label, "no sunset");
  o.start = at(10, 0);
  EXPECT_NE(BuildPlacePage(polar, o, gmt).find(cell("") + cell("no sunrise")), std::string::npos);
}

TEST(IndexPage, HeadAndEnd) {
  EXPECT_EQ(IndexPageHead().rfind("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=ISO-8859-1\"><title>Home Page</title></head><body", 0), 0u);
  EXPECT_NE(WorldIndexPage({"SOLENT"}).find("charset=UTF-8"), std::string::npos);
  EXPECT_EQ(IndexPageEnd(), "<p><a href=\"../index.html\">WORLD INDEX</a></p></body></html>\r\n");
}

}  // namespace
}  // namespace saltmark
