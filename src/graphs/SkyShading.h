#pragma once
// Sun and moon on the tide graph: night (sunset to sunrise) as a darker
// band behind the curve, and a mark with its name at the foot of the graph
// for each principal phase of the moon. Drawn only when the graph is given
// sun and moon events; without them the picture is as it always was.
#include <vector>

#include "almanac/SunMoon.h"
#include "graphs/DrawingSurface.h"
#include "graphs/GraphModel.h"

namespace saltmark {

// The night bands' colour: a dark blue on the black colour background, a
// light grey on the white monochrome one.
Colour NightShadeColour(bool colour);

// The column spans of night within the plot, from the sunsets and sunrises
// among the events (display time base); a plot that starts before its first
// sunrise starts in the night.
std::vector<std::pair<int, int>> NightColumns(const GraphGrid& grid, const std::vector<SkyEvent>& events);

// Short labels of the marks: "New Moon", "First Qtr", "Full Moon", "Last Qtr".
const char* MoonMarkLabel(SkyEventKind kind);

void DrawNightBands(DrawingSurface& surface, const GraphGrid& grid, const std::vector<SkyEvent>& events, double top,
                    double bottom, bool colour);
void DrawMoonMarks(DrawingSurface& surface, const GraphGrid& grid, const std::vector<SkyEvent>& events, double top,
                   double bottom, Colour labels);

}  // namespace saltmark
