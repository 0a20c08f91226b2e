#include "graphs/GraphModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/RuntimeError.h"

namespace saltmark {
namespace {

DateTime at(int day, int hour, int minute = 0) { return DateTime::fromCivil(2026, 12, day, hour, minute); }

TEST(GraphGrid, MapsInstantsToColumnsAndBack) {
  const GraphGrid grid{"1", at(5, 6)};
  EXPECT_EQ(TimeToGraphX(grid, at(5, 18)), 480);
  EXPECT_EQ(GraphXToTime(grid, 480), at(5, 18));
  EXPECT_EQ(GraphXToTimeText(grid, 480), "18:00 05 Dec 2026");
  EXPECT_EQ(TimeToGraphX(grid, at(5, 5)), -40);   // before the plot
  EXPECT_EQ(TimeToGraphX(grid, at(6, 12)), 1200);  // after it
  // 45 seconds is half a column: halves go to the even column.
  EXPECT_EQ(TimeToGraphX(grid, DateTime::fromCivil(2026, 12, 5, 6, 0, 45)), 0);
  EXPECT_EQ(TimeToGraphX(grid, DateTime::fromCivil(2026, 12, 5, 6, 2, 15)), 2);
  const GraphGrid fortnight{"14", at(1, 0)};
  EXPECT_EQ(TimeToGraphX(fortnight, at(8, 0)), 480);
}

TEST(GraphGrid, FarInstantsOverflowTheColumn) {
  const GraphGrid grid{"1", at(5, 0)};
  EXPECT_THROW(TimeToGraphX(grid, DateTime::fromCivil(2030, 1, 1)), RuntimeError);
}

struct OriginCase {
  const char* duration;
  bool fromMidnight;
  DateTime start, origin;
};

TEST(GraphOrigin, RoundsDownToTheGraticuleStep) {
  const OriginCase cases[] = {
      {"1", false, at(5, 10, 40), at(5, 9)},   // three-hour boundary
      {"1", true, at(5, 10, 40), at(5, 0)},    // midnight
      {"1", false, at(5, 9), at(5, 9)},        // on a boundary: stays
      {"2", false, at(5, 10, 40), at(5, 6)},   // six hours
      {"7", false, at(5, 10, 40), at(5, 0)},   // n = 56, step 8: whole days
      {"14", false, at(5, 10, 40), at(4, 0)},  // n = 112, step 16: two days from day zero
      {"50", false, at(5, 10, 40), at(4, 0)},  // n = 400, step 64: eight days (day 46360)
  };
  for (const OriginCase& c : cases)
    EXPECT_EQ(ComputeGraphOrigin(c.start, c.duration, c.fromMidnight), c.origin)
        << c.duration << (c.fromMidnight ? " from midnight" : " from now");
}

TEST(GraphOrigin, StepIsTheFirstPowerOfTwoGivingFewerThanTenPeriods) {
  EXPECT_EQ(GraticuleStep(8), 1);
  EXPECT_EQ(GraticuleStep(9), 1);
  EXPECT_EQ(GraticuleStep(10), 2);
  EXPECT_EQ(GraticuleStep(16), 2);
  EXPECT_EQ(GraticuleStep(40), 8);
  EXPECT_EQ(GraticuleStep(400), 64);
  EXPECT_EQ(GraticuleStep(100000), 1024);
}

// A typed duration is kept within one to fifty whole days (halves to even),
// a stored one that is damaged or a fraction (an old settings file) is read
// the same way, and every column is computed at the instant the graph shows
// for it: 90 s a column for each day plotted.
TEST(GraphColumns, SamplingAndMappingUseTheSameDuration) {
  struct Case {
    const char* typed;
    const char* plotted;
    int days;
  };
  const Case cases[] = {{"0", "1", 1},     {"", "1", 1},     {"-3", "1", 1},   {"abc", "1", 1},  {"1", "1", 1},
                        {"2.5", "2", 2},   {"3", "3", 3},    {"3.5", "4", 4},  {"7.2", "7", 7},  {"50", "50", 50},
                        {"75", "50", 50},  {"90", "50", 50}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
    const std::int32_t secondsPerColumn = 90 * c.days;
    EXPECT_EQ(ClampPlotDurationText(c.typed), c.plotted);
    EXPECT_EQ(PlotDurationText(c.typed), c.plotted);
    EXPECT_EQ(PlotDurationDays(c.typed), c.days);
    EXPECT_EQ(SecondsPerColumn(ClampPlotDurationText(c.typed)), secondsPerColumn);
    EXPECT_EQ(SecondsPerColumn(c.typed), secondsPerColumn);
    const GraphGrid grid{c.typed, at(5, 0)};
    for (int x : {1, 480, 959}) {
      const DateTime shown = at(5, 0).addSeconds(static_cast<double>(x) * secondsPerColumn);
      EXPECT_EQ(GraphXToTime(grid, x), shown) << x;
      EXPECT_EQ(ColumnInstant(grid.origin, x, secondsPerColumn), shown) << x;
      EXPECT_EQ(TimeToGraphX(grid, shown), x) << x;
    }
  }
}

TEST(TimeGraticule, HoursForShortPlotsDaysForLongOnes) {
  const auto two = TimeGraticule(GraphGrid{"2", at(5, 6)});  // n = 16, step 2: every six hours
  ASSERT_EQ(two.size(), 9u);
  EXPECT_DOUBLE_EQ(two[0].x, 120);
  EXPECT_EQ(two[0].label, "12:00");
  EXPECT_EQ(two[3].label, "06:00");
  EXPECT_DOUBLE_EQ(two[8].x, 1080);  // beyond the picture
}

// Each day line carries the date it stands on (origin + k steps), never the
// day before: a 7-day line at column 137.14 is not labelled from column 137.
TEST(TimeGraticule, DayLinesCarryTheirOwnDate) {
  struct Case {
    const char* days;
    std::vector<std::string> labels;
  };
  const DateTime third = DateTime::fromCivil(2027, 1, 3);
  const Case cases[] = {
      {"5", {"4/1", "5/1", "6/1", "7/1", "8/1", "9/1", "10/1", "11/1", "12/1"}},         // daily
      {"7", {"4/1", "5/1", "6/1", "7/1", "8/1", "9/1", "10/1", "11/1", "12/1"}},         // daily
      {"14", {"5/1", "7/1", "9/1", "11/1", "13/1", "15/1", "17/1", "19/1", "21/1"}},     // two days
      {"30", {"7/1", "11/1", "15/1", "19/1", "23/1", "27/1", "31/1", "4/2", "8/2"}},     // four days
      {"50", {"11/1", "19/1", "27/1", "4/2", "12/2", "20/2", "28/2", "8/3", "16/3"}},    // eight days
  };
  for (const Case& c : cases) {
    std::vector<std::string> labels;
    for (const TimeGraticuleLine& line : TimeGraticule(GraphGrid{c.days, third})) labels.push_back(line.label);
    EXPECT_EQ(labels, c.labels) << c.days << " days";
  }
}

TEST(ValueGraticule, LabelsAllButTheEdges) {
  const auto lines = ValueGraticule({-1, 5, 1}, " ##;-##;  0");
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_FALSE(lines.front().label);
  EXPECT_FALSE(lines.back().label);
  EXPECT_EQ(*lines[1].label, "  0");
  EXPECT_EQ(*lines[2].label, " 1");
  const auto fine = ValueGraticule({-0.2, 1, 0.2}, " ##';-##';  0'");
  ASSERT_EQ(fine.size(), 7u);
  EXPECT_EQ(fine[1].value, 0.0);
  EXPECT_EQ(*fine[1].label, "  0'");
  EXPECT_DOUBLE_EQ(fine[6].value, 1.0);
}

}  // namespace
}  // namespace saltmark
