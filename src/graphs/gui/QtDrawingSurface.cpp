#include "graphs/gui/QtDrawingSurface.h"

#include <QFontMetricsF>
#include <QString>

namespace saltmark {

QColor toQColor(Colour colour) { return QColor(colour.red(), colour.green(), colour.blue()); }

QtDrawingSurface::QtDrawingSurface(QPainter& painter, QRectF target) : painter_(painter), target_(target) {
  applyPen();
}

void QtDrawingSurface::setCoordinateWindow(double left, double top, double right, double bottom) {
  left_ = left, top_ = top, right_ = right, bottom_ = bottom;
}

QPointF QtDrawingSurface::map(double x, double y) const {
  const double width = right_ - left_, height = bottom_ - top_;
  const double fx = width != 0 ? (x - left_) / width : 0;
  const double fy = height != 0 ? (y - top_) / height : 0;
  return {target_.left() + fx * target_.width(), target_.top() + fy * target_.height()};
}

void QtDrawingSurface::clear(Colour background) { painter_.fillRect(target_, toQColor(background)); }

void QtDrawingSurface::setColour(Colour colour) {
  colour_ = toQColor(colour);
  applyPen();
}

void QtDrawingSurface::setPenWidth(int width) {
  width_ = width < 1 ? 1 : width;
  applyPen();
}

void QtDrawingSurface::setLineStyle(LineStyle style) {
  style_ = style == LineStyle::Dashed ? Qt::DashLine : (style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  applyPen();
}

void QtDrawingSurface::applyPen() {
  QPen pen(colour_, width_, style_, Qt::RoundCap);
  pen.setCosmetic(true);
  painter_.setPen(pen);
}

void QtDrawingSurface::line(double x1, double y1, double x2, double y2) {
  painter_.drawLine(map(x1, y1), map(x2, y2));
}

void QtDrawingSurface::point(double x, double y) { painter_.drawPoint(map(x, y)); }

void QtDrawingSurface::fill(double x1, double y1, double x2, double y2) {
  painter_.fillRect(QRectF(map(x1, y1), map(x2, y2)).normalized(), colour_);
}

void QtDrawingSurface::text(double x, double y, std::string_view text) {
  const QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const QPointF at = map(x, y);
  const QFontMetricsF metrics(painter_.font());
  painter_.drawText(QPointF(at.x() + 2, at.y() + metrics.ascent()), shown);
}

}  // namespace saltmark
