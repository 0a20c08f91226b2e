#pragma once
// The command line's tide graph as PNG bytes, drawn by the graph window's own
// image code in an offscreen application of its own.
#include <optional>
#include <string>

#include "graphs/TideGraphModel.h"
#include "platform/Platform.h"

namespace saltmark::cli {

// Nothing when the image cannot be encoded.
std::optional<std::string> TideGraphPng(const TideGraphDrawing& drawing, const TidePass& pass,
                                        const Settings& settings, Platform& platform, int width, int height);

}  // namespace saltmark::cli
