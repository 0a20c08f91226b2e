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

QImage RenderGraphPicture(QSize size, qreal devicePixelRatio, const std::function<void(DrawingSurface&)>& draw) {
  if (size.isEmpty()) return {};
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
  QImage image(size * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  QtDrawingSurface surface(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  draw(surface);
  painter.end();
  return image;
}

}  // namespace saltmark
