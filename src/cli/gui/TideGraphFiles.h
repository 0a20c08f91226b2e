#pragma once
// The command line's tide graph saved as a PNG picture and/or an SVG drawing,
// drawn by the graph window's own image code in an offscreen application of
// its own.
#include <string>

#include "graphs/TideGraphModel.h"
#include "platform/Platform.h"

namespace saltmark::cli {

// A file name left empty is not written. Throws CliError saying what failed.
void SaveTideGraphFiles(const TideGraphDrawing& drawing, const TidePass& pass, const Settings& settings,
                        Platform& platform, int width, int height, const std::string& png, const std::string& svg);

}  // namespace saltmark::cli
