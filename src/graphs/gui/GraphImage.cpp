#include "graphs/gui/GraphImage.h"

#include <QPainter>

#include "graphs/gui/QtDrawingSurface.h"

namespace saltmark {

QImage RenderTideGraphImage(const TideGraphDrawing& drawing, const TidePass& pass, const Settings& settings,
                            Platform& platform, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QtDrawingSurface surface(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  DrawTideGraph(surface, drawing, pass, settings, platform);
  painter.end();
  return image;
}

}  // namespace saltmark
