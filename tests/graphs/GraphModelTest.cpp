#include "graphs/GraphModel.h"

#include <gtest/gtest.h>

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

TEST(GraphGrid, DamagedDurationsAreReadWithinOneToFiftyDays) {
  EXPECT_EQ(PlotDurationDays("0"), 1.0);
  EXPECT_EQ(PlotDurationDays(""), 1.0);
  EXPECT_EQ(PlotDurationDays("-3"), 1.0);
  EXPECT_EQ(PlotDurationDays("2.5"), 2.5);
  EXPECT_EQ(PlotDurationDays("90"), 50.0);
  EXPECT_EQ(TimeToGraphX(GraphGrid{"0", at(5, 0)}, at(5, 12)), 480);
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

TEST(GraphColumns, EngineStepsWholeDays) {
  EXPECT_EQ(SecondsPerColumn("1"), 90);
  EXPECT_EQ(SecondsPerColumn("7"), 630);
  EXPECT_EQ(SecondsPerColumn("2.5"), 180);  // 2.5 rounds to 2 days
  EXPECT_EQ(SecondsPerColumn("3.5"), 360);  // and 3.5 to 4
  EXPECT_EQ(ColumnInstant(at(5, 0), 40, 90), at(5, 1));
}

TEST(TimeGraticule, HoursForShortPlotsDaysForLongOnes) {
  const auto two = TimeGraticule(GraphGrid{"2", at(5, 6)});  // n = 16, step 2: every six hours
  ASSERT_EQ(two.size(), 9u);
  EXPECT_DOUBLE_EQ(two[0].x, 120);
  EXPECT_EQ(two[0].label, "12:00");
  EXPECT_EQ(two[3].label, "06:00");
  EXPECT_DOUBLE_EQ(two[8].x, 1080);  // beyond the picture

  const auto five = TimeGraticule(GraphGrid{"5", at(5, 0)});  // n = 40 > 32, step 8: daily
  EXPECT_DOUBLE_EQ(five[0].x, 192);
  EXPECT_EQ(five[0].label, "6/12");
  EXPECT_EQ(five[3].label, "9/12");
}

TEST(GraphDuration, PromptKeepsOneToFiftyDays) {
  EXPECT_EQ(ClampPlotDurationText("0"), "1");
  EXPECT_EQ(ClampPlotDurationText("1"), "1");
  EXPECT_EQ(ClampPlotDurationText("abc"), "1");
  EXPECT_EQ(ClampPlotDurationText("3"), "3");
  EXPECT_EQ(ClampPlotDurationText("75"), "50");
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
