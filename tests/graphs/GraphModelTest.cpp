// The graph's columns over time, its graticules, the cursor line on it, the
// night's shading and the printed page's fit.
#include "graphs/GraphModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "RecordingSurface.h"
#include "common/RuntimeError.h"
#include "graphs/GraphCursor.h"
#include "graphs/PageFit.h"
#include "graphs/SkyShading.h"
#include "tables/TimeText.h"

namespace saltmark {
namespace {

DateTime at(int day, int hour, int minute = 0) { return DateTime::fromCivil(2026, 12, day, hour, minute); }

// The cursor's column is the instant's clamped to the computed columns,
// also where the column itself would overflow.
TEST(GraphGrid, MapsInstantsToColumnsAndTheCursorsColumnForEveryDuration) {
  const GraphGrid grid{"1", at(5, 6)};
  const struct { DateTime instant; std::optional<int> column; int cursor; } cases[] = {  // no column: too far
      {at(5, 18), 480, 480},
      {at(5, 5), -40, 0},                                  // before the plot
      {at(6, 12), 1200, 959},                              // after it
      {DateTime::fromCivil(2026, 12, 5, 6, 0, 45), 0, 0},  // half a column goes to the even one
      {DateTime::fromCivil(2026, 12, 5, 6, 2, 15), 2, 2},
      {DateTime::fromCivil(2031, 1, 1), std::nullopt, 959},
      {DateTime::fromCivil(2001, 1, 1), std::nullopt, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FormatTimeDate(c.instant));
    if (c.column) {
      EXPECT_EQ(TimeToGraphX(grid, c.instant), *c.column);
    } else {
      EXPECT_THROW(TimeToGraphX(grid, c.instant), RuntimeError);
    }
    EXPECT_EQ(CursorColumnAt(grid, c.instant), c.cursor);
  }
  EXPECT_EQ(GraphXToTimeText(grid, 480), "18:00 05 Dec 2026");
  EXPECT_EQ(TimeToGraphX(GraphGrid{"14", at(1, 0)}, at(8, 0)), 480);
  // A typed duration is kept within one to fifty whole days (halves to even),
  // a stored one that is damaged or a fraction is read the same way, and every
  // column is computed at the instant the graph shows for it: 90 s a column a day.
  const std::pair<const char*, int> durations[] = {{"0", 1},   {"", 1},  {"-3", 1},  {"abc", 1}, {"1", 1},
                                                   {"2.5", 2}, {"3", 3}, {"3.5", 4}, {"7.2", 7}, {"50", 50},
                                                   {"75", 50}, {"90", 50}};
  for (auto [typed, days] : durations) {
    SCOPED_TRACE(std::string("typed \"") + typed + "\"");
    const std::int32_t secondsPerColumn = 90 * days;
    EXPECT_EQ(ClampPlotDurationText(typed), std::to_string(days));
    EXPECT_EQ(PlotDurationText(typed), std::to_string(days));
    EXPECT_EQ(PlotDurationDays(typed), days);
    EXPECT_EQ(SecondsPerColumn(typed), secondsPerColumn);
    const GraphGrid plot{typed, at(5, 0)};
    for (int x : {1, 480, 959}) {
      const DateTime shown = at(5, 0).addSeconds(static_cast<double>(x) * secondsPerColumn);
      EXPECT_EQ(GraphXToTime(plot, x), shown) << x;
      EXPECT_EQ(ColumnInstant(plot.origin, x, secondsPerColumn), shown) << x;
      EXPECT_EQ(TimeToGraphX(plot, shown), x) << x;
    }
  }
}

TEST(TimeGraticule, OriginRoundsDownToTheStepAndLinesAreLabelledByHourOrDay) {
  const struct { const char* duration; bool fromMidnight; DateTime start, origin; } cases[] = {
      {"1", false, at(5, 10, 40), at(5, 9)},   // three-hour boundary
      {"1", true, at(5, 10, 40), at(5, 0)},    // midnight
      {"1", false, at(5, 9), at(5, 9)},        // on a boundary: stays
      {"2", false, at(5, 10, 40), at(5, 6)},   // six hours
      {"7", false, at(5, 10, 40), at(5, 0)},   // n = 56, step 8: whole days
      {"14", false, at(5, 10, 40), at(4, 0)},  // n = 112, step 16: two days from day zero
      {"50", false, at(5, 10, 40), at(4, 0)},  // n = 400, step 64: eight days (day 46360)
  };
  for (const auto& c : cases)
    EXPECT_EQ(ComputeGraphOrigin(c.start, c.duration, c.fromMidnight), c.origin)
        << c.duration << (c.fromMidnight ? " from midnight" : " from now");
  // The step is the first power of two giving fewer than ten periods, at most 1024.
  const std::pair<int, int> steps[] = {{8, 1}, {9, 1}, {10, 2}, {16, 2}, {40, 8}, {400, 64}, {100000, 1024}};
  for (auto [periods, step] : steps) EXPECT_EQ(GraticuleStep(periods), step) << periods;
  // Short plots are labelled by the hour; each day line carries the date it
  // stands on (origin + k steps), never the day before.
  const auto two = TimeGraticule(GraphGrid{"2", at(5, 6)});  // n = 16, step 2: every six hours
  ASSERT_EQ(two.size(), 9u);
  EXPECT_DOUBLE_EQ(two[0].x, 120);
  EXPECT_EQ(two[0].label, "12:00");
  EXPECT_EQ(two[3].label, "06:00");
  EXPECT_DOUBLE_EQ(two[8].x, 1080);  // beyond the picture

  const std::pair<const char*, std::vector<std::string>> daily[] = {
      {"5", {"4/1", "5/1", "6/1", "7/1", "8/1", "9/1", "10/1", "11/1", "12/1"}},      // daily
      {"7", {"4/1", "5/1", "6/1", "7/1", "8/1", "9/1", "10/1", "11/1", "12/1"}},      // daily, lines off-column
      {"14", {"5/1", "7/1", "9/1", "11/1", "13/1", "15/1", "17/1", "19/1", "21/1"}},  // two days
      {"30", {"7/1", "11/1", "15/1", "19/1", "23/1", "27/1", "31/1", "4/2", "8/2"}},  // four days
      {"50", {"11/1", "19/1", "27/1", "4/2", "12/2", "20/2", "28/2", "8/3", "16/3"}}, // eight days
  };
  for (const auto& [days, expected] : daily) {
    std::vector<std::string> labels;
    for (const TimeGraticuleLine& line : TimeGraticule(GraphGrid{days, DateTime::fromCivil(2027, 1, 3)}))
      labels.push_back(line.label);
    EXPECT_EQ(labels, expected) << days << " days";
  }
}

TEST(GraphCursor, GrabReachRoundingAndButtons) {
  GraphCursor cursor;
  cursor.placeForDrawing(GraphGrid{"1", at(5, 6)}, at(5, 18));  // column 480
  EXPECT_FALSE(cursor.mouseMove(470, false));  // ten columns off: too far to grab
  EXPECT_FALSE(cursor.sizing());
  EXPECT_FALSE(cursor.mouseMove(470.5, false));  // grabbed, not yet dragged
  EXPECT_TRUE(cursor.sizing());
  EXPECT_FALSE(cursor.mousePress(489, false));  // the middle button
  EXPECT_TRUE(cursor.mousePress(489, true));    // a click while grabbed moves it, still live
  EXPECT_EQ(std::pair(cursor.column(), cursor.live()), std::pair(489, true));
  EXPECT_TRUE(cursor.mouseMove(700, true));  // far from the old place, still held
  EXPECT_EQ(std::pair(cursor.column(), cursor.live()), std::pair(700, false));
  EXPECT_FALSE(cursor.mouseMove(100, false));  // released far away: the default pointer
  EXPECT_FALSE(cursor.sizing());
  EXPECT_FALSE(cursor.mousePress(100, true));  // a click elsewhere does nothing
  EXPECT_EQ(cursor.column(), 700);
  // Halves to even, and clamped to the computed columns.
  for (auto [to, column] : {std::pair{475.6, 476}, {958.5, 958}, {9.5, 10}, {-20.0, 0}, {1000.0, 959}}) {
    GraphCursor dragged;
    dragged.mouseMove(0, false);
    dragged.mouseMove(to, true);
    EXPECT_EQ(dragged.column(), column) << to;
  }
}

TEST(SkyShading, NightRunsFromSunsetToSunriseWithinThePlot) {
  // One day over 960 columns: a column is a minute and a half.
  const DateTime day = DateTime::fromCivil(2026, 12, 5);
  const GraphGrid grid{"1", day};
  const auto minute = [&](int minutes) { return day.addMinutes(minutes); };
  using K = SkyEventKind;
  const struct { const char* what; std::vector<SkyEvent> events; std::vector<std::pair<int, int>> night; } cases[] = {
      {"sunrise 08:00, sunset 16:00", {{minute(480), K::Sunrise}, {minute(960), K::Sunset}}, {{0, 320}, {640, 960}}},
      {"the night began the day before",
       {{minute(-480), K::Sunset}, {minute(480), K::Sunrise}, {minute(960), K::Sunset}},
       {{0, 320}, {640, 960}}},
      {"day at the start, a night in the middle",
       {{minute(-960), K::Sunrise}, {minute(600), K::Sunset}, {minute(900), K::Sunrise}, {minute(1500), K::Sunset}},
       {{400, 600}}},
      {"polar: no sunrise or sunset, no shading", {{minute(600), K::FullMoon}}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(NightColumns(grid, c.events), c.night) << c.what;

  test::RecordingSurface surface;  // the new moon is before the plot, the last quarter on its right edge
  DrawMoonMarks(surface, grid, {{minute(720), K::FullMoon}, {minute(600), K::Sunrise}, {minute(-60), K::NewMoon},
                                {minute(1440), K::LastQuarter}}, 5, -1, kWhite);
  EXPECT_EQ(surface.textStrings(), std::vector<std::string>{"Full Moon"});
  ASSERT_EQ(surface.lines.size(), 1u);
  EXPECT_EQ(std::pair(surface.lines[0].x1, surface.lines[0].y1), std::pair(480.0, -1.0));
}

TEST(PageFit, LargestSizeThatKeepsTheProportions) {
  const struct { double pictureWidth, pictureHeight, pageWidth, pageHeight, width, height; bool landscape; } cases[] = {
      {1000, 500, 280, 200, 280, 140, true},   // wider than the page: full width
      {1000, 800, 280, 200, 250, 200, true},   // less wide: full height
      {700, 350, 280, 140, 280, 140, true},    // same proportions: fills the page
      {300, 600, 200, 280, 140, 280, false},   // portrait
      {800, 800, 200, 280, 200, 200, false},   // square: portrait
      {0, 600, 200, 280, 0, 0, false},         // nothing to print
      {300, 600, 0, 280, 0, 0, false},         // no page
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.pictureWidth) + " x " + std::to_string(c.pictureHeight));
    const PageFit fit = FitPictureToPage(c.pictureWidth, c.pictureHeight, c.pageWidth, c.pageHeight);
    EXPECT_EQ(std::pair(fit.width, fit.height), std::pair(c.width, c.height));
    EXPECT_EQ(PrintsLandscape(c.pictureWidth, c.pictureHeight), c.landscape);
  }
}

}  // namespace
}  // namespace saltmark
