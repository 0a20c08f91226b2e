#include "graphs/StreamGraphModel.h"

#include <gtest/gtest.h>

#include "RecordingSurface.h"

namespace saltmark {
namespace {

TEST(StreamSectors, SixteenPointsCentredOnNorth) {
  const std::pair<double, int> cases[] = {{0, 0}, {11, 0}, {12, 1}, {90, 4}, {180, 8}, {348, 15},
                                          {349, 0}, {350, 0}, {360, 0}, {33.75, 2}, {11.25, 0}};
  for (auto [degrees, sector] : cases) EXPECT_EQ(DirectionSector(degrees), sector) << degrees;
}

TEST(StreamSectors, ColoursOfTheWheel) {
  EXPECT_EQ(DirectionColour(0), kWhite);
  EXPECT_EQ(DirectionColour(8), kBlack);
  EXPECT_EQ(DirectionColour(4), Colour{0x00FF00});   // light green for east
  EXPECT_EQ(DirectionColour(12), Colour{0x0000FF});  // light red for west
  EXPECT_EQ(DirectionColour(6), Colour{0x00FFFF});   // yellow
  EXPECT_EQ(DirectionColour(16), kBlack);
  EXPECT_EQ(DirectionColour(-1), kBlack);
}

TEST(StreamGraph, BarsInTheDirectionsColourUnderTheOutline) {
  RateColumns rates{};
  DirectionColumns directions{};
  for (int x = 0; x < kGraphValues; ++x) {
    rates[static_cast<std::size_t>(x)] = 1.5f;
    directions[static_cast<std::size_t>(x)] = x < 480 ? 90 : 270;
  }
  const GraphGrid grid{"1", DateTime::fromCivil(2026, 12, 5)};
  test::RecordingSurface surface;
  DrawStreamGraph(surface, StreamGraphDrawing{rates, directions, grid, 3, false});
  EXPECT_EQ(surface.top, 4);
  EXPECT_EQ(surface.bottom, 0);
  ASSERT_GE(surface.lines.size(), 960u + 959u);
  EXPECT_EQ(surface.lines[0].colour, DirectionColour(4));
  EXPECT_EQ(surface.lines[0].y2, 1.5);
  EXPECT_EQ(surface.lines[959].colour, DirectionColour(12));
  EXPECT_EQ(surface.lines[960].colour, kWhite);
  // Rate graticule 0..4: labels 1, 2, 3 only.
  ASSERT_EQ(surface.texts.size(), 3u);
  EXPECT_EQ(surface.texts[0].text, "1");
}

TEST(StreamGraph, CompassRingAndNeedle) {
  test::RecordingSurface surface;
  DrawCompassRing(surface, kBlack);
  ASSERT_EQ(surface.lines.size(), 361u);
  EXPECT_NEAR(surface.lines[90].x1, 0.5, 1e-9);
  EXPECT_NEAR(surface.lines[90].x2, 1.0, 1e-9);
  EXPECT_EQ(surface.lines[90].colour, DirectionColour(4));
  surface.lines.clear();
  const NeedlePoint end = DrawNeedle(surface, NeedlePoint{0, 0.36}, 90, kBlack);
  EXPECT_NEAR(end.x, 0.36, 1e-9);
  EXPECT_NEAR(end.y, 0, 1e-9);
  ASSERT_EQ(surface.lines.size(), 2u);
  EXPECT_EQ(surface.lines[0].colour, kBlack);
  EXPECT_EQ(surface.lines[1].colour, kGreen);
}

TEST(StreamGraph, CursorReadout) {
  RateColumns rates{};
  DirectionColumns directions{};
  rates[959] = 2.25f;
  directions[959] = 5;
  const GraphGrid grid{"1", DateTime::fromCivil(2026, 12, 5)};
  const StreamCursorReadout r = ShowStreamCursorReadout(grid, rates, directions, 1000);
  EXPECT_EQ(r.dateText, "23:58 05 Dec 2026");
  EXPECT_EQ(r.directionText, "005");
  EXPECT_EQ(r.rateText, " 2.3");
}

}  // namespace
}  // namespace saltmark
