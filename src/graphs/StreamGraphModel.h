#pragma once
// The stream graph: the rate as vertical bars coloured by direction, outlined
// by the rate curve, and the compass ring with the needle at the cursor.
//
// Directions fall into sixteen sectors of 22.5 degrees centred on north,
// north-north-east, ...: sector = CInt(d x 2 / 45), halves to even, and 16
// (from 348.75 degrees) is north again. Each sector has a colour of the
// classic sixteen-colour palette (DirectionColour).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/DrawingSurface.h"
#include "graphs/GraphModel.h"

namespace saltmark {

using RateColumns = std::array<float, kGraphValues>;
using DirectionColumns = std::array<std::int16_t, kGraphValues>;

// The sector 0..15 of a direction in whole degrees.
int DirectionSector(double degrees);
// The colour of sector i (0..15); other values give black.
Colour DirectionColour(int sector);

// The vertical scale of the stream graph's zoom level 0..5 (bottom always 0):
// tops 40, 20, 10, 4, 2, 1 with steps 10, 5, 2, 1, 0.5, 0.2. The window starts
// at level 0 and each run at StreamZoomForRates.
VerticalScale StreamZoomScale(int level);
inline constexpr int kStreamGraphStartZoom = 0;
// The closest zoom whose range holds the run's largest rate (columns
// 0..959), so a 0.7 knot stream fills the picture rather than a thin strip
// under a 40 knot scale; level 0 when even 40 is exceeded.
int StreamZoomForRates(const RateColumns& rates);
// The rate graticule's label pattern for a level's step: "#;-#;0", with one
// decimal ("#0.0") for the steps of 0.5 and 0.2.
std::string_view StreamGraticulePattern(double step);

struct StreamGraphDrawing {
  const RateColumns& rates;
  const DirectionColumns& directions;
  const GraphGrid& grid;
  int zoomLevel = kStreamGraphStartZoom;
  bool timeGraticule = true;
  Colour background = kBlack;
  Colour graticule{0x505050};
  Colour labels{0xF0F0F0};
  Colour outline = kWhite;
};

// Draws the bars (columns 0..959), the outline (1..959), the rate graticule
// and, when on, the time graticule. Bars whose sector colour is the picture's
// own (south on black, north on white) get side edges in the outline colour,
// so that they still show as a shape under the rate curve.
void DrawStreamGraph(DrawingSurface& surface, const StreamGraphDrawing& drawing);

// The compass picture: coordinates (-1, 1)-(1, -1), north up; for each whole
// degree a line from radius 0.5 to radius 1 in its sector's colour, then the
// ring's inner and outer circles in the colour that contrasts with the
// background, which outline the sector drawn in the background's colour.
void DrawCompassRing(DrawingSurface& surface, Colour background);
// White on a black picture, black on any other.
Colour ContrastingColour(Colour background);

// The needle's end point for a direction: (0.36 sin d, 0.36 cos d).
struct NeedlePoint {
  double x = 0;
  double y = 0;
};
NeedlePoint NeedleEnd(double degrees);
// Erases the previous needle (a line in the background colour), draws the new
// one in green, and returns its end point for the next call.
NeedlePoint DrawNeedle(DrawingSurface& surface, NeedlePoint previous, double degrees, Colour background);

// The readouts under the cursor column (clamped to 0..959).
struct StreamCursorReadout {
  std::string dateText;       // Cursordate
  std::string directionText;  // Dirn, "000"
  std::string rateText;       // Speed, FormatSpeed
  std::int16_t direction = 0;
};
StreamCursorReadout ShowStreamCursorReadout(const GraphGrid& grid, const RateColumns& rates,
                                            const DirectionColumns& directions, int cursorColumn);

}  // namespace saltmark
