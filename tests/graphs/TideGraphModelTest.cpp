#include "graphs/TideGraphModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "RecordingSurface.h"
#include "tables/GeneratorTestSupport.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

DateTime origin() { return DateTime::fromCivil(2026, 12, 5, 0, 0); }

// A one-day plot of a semi-diurnal curve: 2 + 1.5 cos, high water at 03:00
// (column 120) and 15:00 (600), low water at 09:00 (360) and 21:00 (840).
HeightColumns twiceDailyColumns() {
  HeightColumns h{};
  for (int c = 0; c < kGraphColumns; ++c)
    h[static_cast<std::size_t>(c)] = static_cast<float>(2.0 + 1.5 * std::cos(2 * M_PI * (c - 120) / 480.0));
  return h;
}

class TidePassTest : public ::testing::Test {
 protected:
  TidePass pass(float draught, float depth, bool lines = true) {
    return ComputeTidePass(TidePassInput{heights, grid, draught, depth, lines}, settings);
  }
  Settings settings;
  GraphGrid grid{"1", origin()};
  HeightColumns heights = twiceDailyColumns();
};

TEST_F(TidePassTest, HighAndLowWatersWithAndWithoutClearanceAndTheCrossings) {
  const TidePass none = pass(0, 0);
  ASSERT_EQ(none.highLowLines.size(), 4u);
  EXPECT_EQ(none.highLowLines[0], "03:00 05 Dec 2026 HI:3.50 ");
  EXPECT_EQ(none.highLowLines[1], "09:00 05 Dec 2026 LO:0.50 ");
  // With no draught, or one the curve never falls to, afloat throughout in one entry.
  for (float draught : {0.0f, 0.1f}) {
    const TidePass q = pass(draught, 0);
    EXPECT_EQ(q.passageLines, std::vector<std::string>{"00:00 05 Dec 2026 AFLOAT "}) << draught;
    EXPECT_TRUE(q.passageLineColumns.empty()) << draught;
    for (int c = 1; c <= 958; ++c) EXPECT_TRUE(q.afloat[static_cast<std::size_t>(c)]) << c;
  }

  const TidePass p = pass(2.0f, 1.0f);
  EXPECT_EQ(p.highLowLines[0], "03:00 05 Dec 2026 HI:3.50 UKC:2.50 ");
  ASSERT_EQ(p.highLowList.size(), 4u);
  const HighLowRecord &high = p.highLowList[0], &low = p.highLowList[1];
  EXPECT_EQ(high.instant, DateTime::fromCivil(2026, 12, 5, 3, 0));
  EXPECT_EQ((std::vector<std::string>{high.label, high.heightText, high.clearanceText, low.label, low.clearanceText}),
            (std::vector<std::string>{"HI", "3.50 ", "2.50 ", "LO", "-0.50 "}));
  // A 3 m draught is afloat within 96.4 minutes of high water.
  const TidePass crossing = pass(3.0f, 0.0f);
  ASSERT_EQ(crossing.passageLines.size(), 5u);
  EXPECT_EQ(crossing.passageLines[0], "00:00 05 Dec 2026 AGROUND ");
  EXPECT_EQ(crossing.passageLines[1], "01:24 05 Dec 2026 FLOATS ");  // column 56 of 90 s
  EXPECT_EQ(crossing.passageLines[2], "04:37 05 Dec 2026 GROUNDS ");
  EXPECT_EQ(crossing.passageLineColumns, (std::vector<int>{56, 185, 536, 665}));
  EXPECT_EQ((std::vector<bool>{crossing.afloat[55], crossing.afloat[56], crossing.afloat[184], crossing.afloat[185]}),
            (std::vector<bool>{false, true, true, false}));

  const TidePass quiet = pass(3.0f, 0.0f, false);
  EXPECT_EQ(quiet.passageLines, crossing.passageLines);
  EXPECT_TRUE(quiet.passageLineColumns.empty());
}

// On a level stretch, equal top columns report once at the second; at the
// edges, columns 1 and 958 are judged by three samples; every listed event
// is kept for the calculator, up to the list's limit.
TEST_F(TidePassTest, LevelTopsEdgeColumnsAndTheListsLimit) {
  using Columns = std::vector<std::pair<int, float>>;
  const struct { Columns raised; std::vector<std::pair<std::string, int>> events; } cases[] = {
      {{{300, 2.0f}, {301, 2.0f}}, {{"LO", 299}, {"HI", 301}}},  // the level stretch ends in a low water
      {{{0, 3.0f}, {2, 2.0f}, {958, 2.0f}}, {{"LO", 1}, {"HI", 958}}},
  };
  for (const auto& c : cases) {
    heights.fill(1.0f);
    for (auto [column, height] : c.raised) heights[static_cast<std::size_t>(column)] = height;
    const TidePass p = pass(0, 0);
    std::vector<std::pair<std::string, int>> events;
    for (std::size_t i = 0; i < p.highLowList.size(); ++i)
      events.emplace_back(p.highLowList[i].label, p.highLowPoints[i].column);
    EXPECT_EQ(events, c.events) << c.raised.size();  // the raised columns stand on a level 1.0
  }
  // A top every other column: about 239 highs and 239 lows, more than 257.
  for (int c = 0; c < kGraphValues; ++c)
    heights[static_cast<std::size_t>(c)] = (c % 4 == 0) ? 1.0f : (c % 2 ? 0.5f : 0.0f);
  grid.plotDuration = "50";
  const TidePass many = pass(0, 0);
  EXPECT_GT(many.highLowLines.size(), 257u);
  EXPECT_LE(many.highLowLines.size(), kGraphListLimit);
  EXPECT_EQ(many.highLowList.size(), many.highLowLines.size());
  EXPECT_EQ(many.highLowPoints.size(), many.highLowLines.size());
}

TEST_F(TidePassTest, DrawingFollowsThePass) {
  ScriptedPlatform platform;
  test::RecordingSurface surface;
  const TidePass p = pass(3.0f, 0.5f);
  DrawTideGraph(surface, TideGraphDrawing{heights, grid, 3, true, true, "0.50"}, p, settings, platform);
  EXPECT_EQ((std::array{surface.left, surface.top, surface.right, surface.bottom}),
            (std::array{0.0, 5.0, 960.0, -1.0}));
  EXPECT_EQ(surface.background, kBlack);
  const auto count = [&](Colour c) { return std::ranges::count(surface.lines, c, &test::DrawnLine::colour); };
  EXPECT_EQ(count(Colour{0x00FFFF}), 1);  // the seabed
  EXPECT_EQ(count(kWhite), std::ssize(p.passageLineColumns));
  EXPECT_EQ(count(Colour{0xFFFF00}) + count(Colour{0x0000FF}), 958);  // afloat and aground
  for (const auto& l : surface.lines) {
    if (l.colour == Colour{0x00FFFF}) {
      EXPECT_EQ(std::pair(l.x1, l.y1), std::pair(0.0, -0.5));
    } else if (l.colour == Colour{0xFFFF00} || l.colour == Colour{0x0000FF}) {
      EXPECT_EQ(l.x2 - l.x1, 1);  // the curve joins each column to the one before
    }
  }
  ASSERT_EQ(surface.points.size(), 4u);
  EXPECT_EQ(surface.points[0].width, 3);
  EXPECT_EQ(surface.width, 1);
  // Five labelled height lines and nine time lines labelled by the hour.
  EXPECT_EQ(surface.texts.size(), 5u + 9u);
  EXPECT_TRUE(platform.messages.empty());

  DrawTideGraph(surface, TideGraphDrawing{heights, grid, 3, false, false, "0.50"}, p, settings, platform);
  EXPECT_EQ(surface.background, kWhite);
  for (const auto& l : surface.lines) EXPECT_EQ(l.colour, kBlack);
  EXPECT_EQ(surface.texts.size(), 5u);
}

// Every zoom level's height labels, in metres and in feet: the levels with
// steps of 0.5 and 0.2 need their decimal.
TEST(TideZoom, HeightLabelsOfEveryLevel) {
  const struct { int level; bool metric; std::vector<std::string> labels; } cases[] = {
      {0, true, {"  0", " 10", " 20", " 30"}},         {1, true, {"  0", " 5", " 10", " 15"}},
      {2, true, {"  0", " 2", " 4", " 6", " 8"}},      {3, true, {"  0", " 1", " 2", " 3", " 4"}},
      {4, true, {"  0", " 0.5", " 1.0", " 1.5"}},      {5, true, {"  0", " 0.2", " 0.4", " 0.6", " 0.8"}},
      {3, false, {"  0'", " 1'", " 2'", " 3'", " 4'"}}, {4, false, {"  0'", " 0.5'", " 1.0'", " 1.5'"}},
      {5, false, {"  0'", " 0.2'", " 0.4'", " 0.6'", " 0.8'"}}};
  const HeightColumns heights{};
  const GraphGrid grid{"1", origin()};
  ScriptedPlatform platform;
  for (const auto& c : cases) {
    Settings settings;
    settings.metricUnits = c.metric ? kTrue : kFalse;
    test::RecordingSurface surface;
    const TidePass pass = ComputeTidePass(TidePassInput{heights, grid}, settings);
    DrawTideGraph(surface, TideGraphDrawing{heights, grid, c.level, true, false, "0"}, pass, settings, platform);
    EXPECT_EQ(surface.textStrings(), c.labels) << "level " << c.level << (c.metric ? " metres" : " feet");
  }
  EXPECT_EQ(TideZoomScale(9).top, 1);  // beyond the last level: the last
}

TEST(TideColumns, FillsColumnsZeroTo959FromTheEngineOrigin) {
  HeightColumns columns{};
  columns[960] = -7.0f;
  const DateTime engineOrigin = DateTime::fromCivil(2026, 12, 5, 1, 0);
  test::CurveHeights minutes(engineOrigin, [](double m) { return m; });
  test::RecordingProgress never;
  ASSERT_EQ(FillTideColumns(columns, minutes, engineOrigin, "2", never), JobOutcome::Completed);
  ASSERT_EQ(minutes.asked.size(), 960u);
  // 180 s a column; column 960 is left alone.
  EXPECT_EQ((std::array{columns[1], columns[959], columns[960]}), (std::array{3.0f, 959 * 3.0f, -7.0f}));
  EXPECT_EQ(never.drawnSteps.size(), 240u);

  test::RecordingProgress soon(10);
  test::CurveHeights more(engineOrigin, [](double m) { return m; });
  EXPECT_EQ(FillTideColumns(columns, more, engineOrigin, "1", soon), JobOutcome::Cancelled);
  EXPECT_EQ(more.asked.size(), 10u);
}

TEST(TideCursor, ReadoutAndClearance) {
  Settings settings;
  settings.chartedDepth = 1.0f;
  settings.draught = 1.5f;
  ScriptedPlatform platform;
  const HeightColumns h = twiceDailyColumns();
  const GraphGrid grid{"1", origin()};
  const TideCursorReadout r = ShowTideCursorReadout(grid, h, 120, settings);
  EXPECT_EQ(r.dateText + "/" + r.heightText, "03:00 05 Dec 2026/ 3.5");
  EXPECT_EQ(ShowTideCursorReadout(grid, h, 2000, settings).dateText, "23:58 05 Dec 2026");
  EXPECT_EQ(CursorClearanceText(r.heightText, settings, platform), " 3.0");
  EXPECT_EQ(ClearanceLabelColour(" 0.0", true, settings, platform), Colour{0x0000FF});
  EXPECT_EQ(ClearanceLabelColour(" 0.1", true, settings, platform), Colour{0xFFFF00});
  EXPECT_EQ(ClearanceLabelColour("-1.0", false, settings, platform), kBlack);
  EXPECT_FLOAT_EQ(DepthFromClearance("2.00", " 3.5", settings, platform), 0.0f);
}

}  // namespace
}  // namespace saltmark
