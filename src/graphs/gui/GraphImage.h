#pragma once
// The tide graph drawn into an image of a chosen size, through the same
// drawing model as the window: for printouts and the command line's PNG.
#include <QImage>
#include <QSize>

#include "graphs/TideGraphModel.h"

namespace saltmark {

// Needs a QGuiApplication (for the label font).
QImage RenderTideGraphImage(const TideGraphDrawing& drawing, const TidePass& pass, const Settings& settings,
                            Platform& platform, QSize size);

}  // namespace saltmark
