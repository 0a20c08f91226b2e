#pragma once
// The tide graph: the height columns the engine fills, the zoom table, and
// the drawing pass that decides the clear-passage entries, the high and low
// waters and the colour of each stretch of the curve. DrawTideGraph renders
// the result on any DrawingSurface (the window, a printout, a PNG).
//
// Clearance at column c: u(c) = height(c) - (draught - charted depth). The
// pass starts aground; its first entry ("AFLOAT" or "AGROUND") is judged
// from u(1) and stands at column 0. For c = 1..958 a crossing of zero
// ("FLOATS", "GROUNDS"; 0 counts as aground) gets an entry and, with passage
// lines on, a vertical line (not at c = 1), and the curve segment ending at c
// takes the afloat or aground colour. A high water at c is
// h(c-2) <= h(c-1) <= h(c) > h(c+1) >= h(c+2), a low water the mirror; at
// c = 1 and c = 958 only the middle three samples are tested.
//
// Both lists stop at 500 entries. Every high and low water listed is also
// kept in the high/low list that the anchoring calculator reads, so the
// calculator sees every event the window shows, beyond 257 as well.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/SunMoon.h"
#include "common/DateTime.h"
#include "data/Settings.h"
#include "graphs/DrawingSurface.h"
#include "graphs/GraphModel.h"
#include "platform/Platform.h"
#include "tables/HeightSource.h"
#include "tables/JobProgress.h"

namespace saltmark {

using HeightColumns = std::array<float, kGraphValues>;

inline constexpr std::size_t kGraphListLimit = 500;

// Fills columns 0..959 at ColumnInstant(engineOrigin, x, SecondsPerColumn),
// reporting each column; column 960 is left as it was. Stops early, with
// Cancelled, when the user aborts.
JobOutcome FillTideColumns(HeightColumns& columns, TideHeightSource& heights, DateTime engineOrigin,
                           std::string_view plotDuration, JobProgress& progress);

// The vertical scale of a zoom level 0..5, in the current height unit:
// (-10, 40, step 10), (-5, 20, 5), (-2, 10, 2), (-1, 5, 1), (-0.5, 2, 0.5),
// (-0.2, 1, 0.2). The tide graph window starts at level 3.
VerticalScale TideZoomScale(int level);
inline constexpr int kTideGraphStartZoom = 3;
// The height graticule's label pattern for a level's step: " ##;-##;  0" in
// metres, " ##';-##';  0'" in feet, with one decimal (" #0.0", " #0.0'") for
// the steps of 0.5 and 0.2, so that 0.5, 1.0 and 1.5 read as themselves.
std::string_view TideGraticulePattern(bool metric, double step);

// One entry of the high/low list read by the anchoring calculator.
struct HighLowRecord {
  std::string label;          // "HI" or "LO"
  DateTime instant;
  std::string heightText;     // FormatHeight2 and a trailing blank
  std::string clearanceText;  // FormatHeight2 of u(c) and a trailing blank
};

struct HighLowPoint {
  int column = 0;
  float height = 0;
};

struct TidePass {
  std::vector<std::string> passageLines;    // the "Passage Information" list
  std::vector<std::string> highLowLines;    // the "Tide Information" list
  std::vector<HighLowRecord> highLowList;   // for the anchoring calculator
  std::vector<HighLowPoint> highLowPoints;  // drawn with a pen of width 3
  std::vector<int> passageLineColumns;      // vertical lines, when passage lines are on
  // afloat[c]: the segment from column c-1 to c is drawn in the afloat colour.
  std::array<bool, kGraphColumns> afloat{};
};

struct TidePassInput {
  const HeightColumns& heights;
  const GraphGrid& grid;
  float draught = 0;
  float chartedDepth = 0;
  bool passageLines = true;  // graphSwitch3
};

TidePass ComputeTidePass(const TidePassInput& input, const Settings& settings);

// The colours of the drawing (0xBBGGRR). Colour mode: graticule 0x505050,
// labels 0xF0F0F0, seabed 0x00FFFF, aground 0x0000FF, afloat 0xFFFF00,
// passage lines and high/low points white, on a black picture. Monochrome:
// all black on white.
struct TideGraphColours {
  Colour background, graticule, labels, seabed, aground, afloat, passage, points;
};
TideGraphColours TideGraphColoursFor(bool colour);

struct TideGraphDrawing {
  const HeightColumns& heights;
  const GraphGrid& grid;
  int zoomLevel = kTideGraphStartZoom;
  bool colour = true;           // colourDisplay
  bool timeGraticule = true;    // graphSwitch1
  std::string depthCaption;     // the Depth label: FormatHeight2(charted depth)
  // With "Sun and Moon" ticked: the sunrises, sunsets and moon phases of the
  // plot (display time base) for night shading and moon marks; none, none drawn.
  std::vector<SkyEvent> sky = {};
};

// Draws the picture in order: background, height graticule, seabed line at
// minus the depth caption's height, time graticule, then column by column the
// passage lines, high/low points and curve segments of the pass.
void DrawTideGraph(DrawingSurface& surface, const TideGraphDrawing& drawing, const TidePass& pass,
                   const Settings& settings, Platform& platform);

// The header labels of the tide graph window.
struct TideGraphHeader {
  std::string duration;  // Label11
  std::string depth;     // Depth
  std::string draught;   // Draught
  std::string zone;      // zonebox: "Time Zone: " + zone name
  std::string origin;    // datebox: "Graph Origin: " + time and date
  std::string vessel;    // labVessel: "Vessel ID: " + vessel name
  std::string location;  // Locbox: "Tidal Location: " + location text
  std::string units;     // Label13: "Height Units: " + units caption
};
TideGraphHeader TideGraphHeaderTexts(const GraphGrid& grid, const Settings& settings, std::string_view zoneName,
                                     std::string_view locationText);

// The cursor readout: the time under the cursor column and the height there
// (FormatHeight1).
struct TideCursorReadout {
  DateTime instant;
  std::string dateText;    // Cursordate
  std::string heightText;  // Tide
};
TideCursorReadout ShowTideCursorReadout(const GraphGrid& grid, const HeightColumns& heights, int cursorColumn,
                                        const Settings& settings);

// labUKC: the clearance under the cursor, FormatHeight1 of
// ParseHeight(tide caption) + charted depth - draught.
std::string CursorClearanceText(std::string_view tideCaption, const Settings& settings, Platform& platform);
// The clearance label shows red (colour) or black when the clearance is 0 or
// less, otherwise cyan or black.
Colour ClearanceLabelColour(std::string_view clearanceText, bool colour, const Settings& settings,
                            Platform& platform);
// The charted depth that a measured clearance at the cursor implies:
// ParseHeight(clearance) - ParseHeight(tide caption) + draught.
float DepthFromClearance(std::string_view clearanceText, std::string_view tideCaption, const Settings& settings,
                         Platform& platform);

}  // namespace saltmark
