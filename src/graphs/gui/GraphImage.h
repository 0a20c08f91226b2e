#pragma once
// The graphs drawn into an image of a chosen size, through the same drawing
// model as the windows: the windows' pictures, printouts and the command
// line's PNG.
#include <functional>

#include <QImage>
#include <QSize>

#include "graphs/DrawingSurface.h"
#include "graphs/TideGraphModel.h"

namespace saltmark {

// Needs a QGuiApplication (for the label font). Lines are not smoothed, so
// the PNG shows exact columns.
QImage RenderTideGraphImage(const TideGraphDrawing& drawing, const TidePass& pass, const Settings& settings,
                            Platform& platform, QSize size);

// An antialiased picture of `size` logical pixels at the screen's pixel
// ratio, drawn by `draw` on a surface that fills it.
QImage RenderGraphPicture(QSize size, qreal devicePixelRatio, const std::function<void(DrawingSurface&)>& draw);

}  // namespace saltmark
