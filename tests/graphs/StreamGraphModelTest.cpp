#include "graphs/StreamGraphModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "RecordingSurface.h"

namespace saltmark {
namespace {

// Sixteen points centred on north; east light green, west light red, sector 6
// yellow, none beyond the wheel.
TEST(StreamSectors, SixteenPointsCentredOnNorthAndTheirColours) {
  const std::pair<double, int> cases[] = {{0, 0}, {11, 0}, {12, 1}, {90, 4}, {180, 8}, {348, 15},
                                          {349, 0}, {350, 0}, {360, 0}, {33.75, 2}, {11.25, 0}};
  for (auto [degrees, sector] : cases) EXPECT_EQ(DirectionSector(degrees), sector) << degrees;
  const std::pair<int, Colour> colours[] = {{0, kWhite},  {8, kBlack},  {4, Colour{0x00FF00}}, {12, Colour{0x0000FF}},
                                            {6, Colour{0x00FFFF}}, {16, kBlack}, {-1, kBlack}};
  for (auto [sector, colour] : colours) EXPECT_EQ(DirectionColour(sector), colour) << sector;
}

// The cursor's readout (clamped to the last column) and the needle, drawn from
// the centre towards the stream and ending in green.
TEST(StreamGraph, CursorReadoutAndNeedle) {
  RateColumns rates{};
  DirectionColumns directions{};
  rates[959] = 2.25f;
  directions[959] = 5;
  const GraphGrid grid{"1", DateTime::fromCivil(2026, 12, 5)};
  const StreamCursorReadout r = ShowStreamCursorReadout(grid, rates, directions, 1000);
  EXPECT_EQ(r.dateText + "/" + r.directionText + "/" + r.rateText, "23:58 05 Dec 2026/005/ 2.3");
  test::RecordingSurface surface;
  const NeedlePoint end = DrawNeedle(surface, NeedlePoint{0, 0.36}, 90, kBlack);
  EXPECT_NEAR(end.x, 0.36, 1e-9);
  EXPECT_NEAR(end.y, 0, 1e-9);
  ASSERT_EQ(surface.lines.size(), 2u);
  EXPECT_EQ(std::pair(surface.lines[0].colour, surface.lines[1].colour), std::pair(kBlack, kGreen));
}

// Bars in their direction's colour under the outline; a stretch of bars in
// the picture's own colour (south on the black picture, north on the white
// one) gets edges in the outline colour, and the compass ring's circles
// outline its spokes in the same way.
TEST(StreamGraph, BarsAndCompassInTheDirectionsColourAndThoseInThePicturesOutlined) {
  const struct { const char* what; std::int16_t hiddenDirection; Colour background, outline; } cases[] = {
      {"colour", 180, kBlack, kWhite}, {"monochrome", 0, kWhite, kBlack}};
  const GraphGrid grid{"1", DateTime::fromCivil(2026, 12, 5)};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RateColumns rates{};
    DirectionColumns directions{};
    for (std::size_t x = 0; x < kGraphValues; ++x) {
      rates[x] = 1.5f;
      directions[x] = x < 300 ? 90 : x < 600 ? c.hiddenDirection : 270;
    }
    StreamGraphDrawing drawing{rates, directions, grid, 3, false, c.background};
    drawing.graticule = drawing.labels = drawing.outline = c.outline;
    test::RecordingSurface surface;
    DrawStreamGraph(surface, drawing);
    EXPECT_EQ(std::pair(surface.top, surface.bottom), std::pair(4.0, 0.0));
    ASSERT_GE(surface.lines.size(), 960u + 959u);
    EXPECT_EQ(std::pair(surface.lines[0].colour, surface.lines[0].y2), std::pair(DirectionColour(4), 1.5));
    EXPECT_EQ(surface.lines[959].colour, DirectionColour(12));
    const test::DrawnLine& outline = surface.lines[960 + 2];  // after the bars and the two edges
    EXPECT_EQ(outline.colour, c.outline);
    EXPECT_EQ(std::pair(outline.x1, outline.x2), std::pair(0.0, 1.0));
    std::vector<double> edges;
    for (const auto& l : surface.lines)
      if (l.colour == c.outline && l.x1 == l.x2 && l.y1 == 0 && l.y2 == 1.5) edges.push_back(l.x1);
    EXPECT_EQ(edges, (std::vector<double>{300, 599}));
    test::RecordingSurface compass;
    DrawCompassRing(compass, c.background);
    ASSERT_EQ(compass.lines.size(), 361u + 2 * 360u);  // spokes, then the two circles
    EXPECT_NEAR(compass.lines[90].x1, 0.5, 1e-9);  // the east spoke, from the inner circle out
    EXPECT_NEAR(compass.lines[90].x2, 1.0, 1e-9);
    EXPECT_EQ(compass.lines[90].colour, DirectionColour(4));
    EXPECT_EQ(std::ranges::count_if(compass.lines, [&](const test::DrawnLine& l) {
                return l.colour == c.outline && std::abs(std::hypot(l.x1, l.y1) - std::hypot(l.x2, l.y2)) < 1e-9;
              }), 720);
  }
}

TEST(StreamGraph, RateLabelsOfEveryLevelAndTheLevelForTheLargestRate) {
  const std::vector<std::vector<std::string>> expected = {
      {"10", "20", "30"}, {"5", "10", "15"}, {"2", "4", "6", "8"}, {"1", "2", "3"},
      {"0.5", "1.0", "1.5"}, {"0.2", "0.4", "0.6", "0.8"}};
  const RateColumns rates{};
  const DirectionColumns directions{};
  const GraphGrid grid{"1", DateTime::fromCivil(2026, 12, 5)};
  for (int level = 0; level <= 5; ++level) {
    test::RecordingSurface surface;
    DrawStreamGraph(surface, StreamGraphDrawing{rates, directions, grid, level, false});
    EXPECT_EQ(surface.textStrings(), expected[static_cast<std::size_t>(level)]) << "level " << level;
  }
  // The run starts at the closest range that holds its largest rate
  // (tops 40, 20, 10, 4, 2, 1); column 960 is never drawn and does not count.
  const std::pair<float, int> cases[] = {{0, 5}, {0.7f, 5}, {1.0f, 5}, {1.01f, 4}, {2.5f, 3}, {4.0f, 3},
                                         {4.5f, 2}, {15, 1}, {39, 0}, {45, 0}};
  for (auto [largest, level] : cases) {
    RateColumns rates{};
    rates[123] = largest;
    rates[960] = 100;
    EXPECT_EQ(StreamZoomForRates(rates), level) << largest;
  }
}

}  // namespace
}  // namespace saltmark
