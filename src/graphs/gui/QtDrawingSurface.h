#pragma once
// The drawing surface on a QPainter: the graph windows, their printouts and
// the command line's PNG all draw the graphs through it. The coordinate
// window maps onto the painter's target rectangle; lines are cosmetic, so a
// pen width stays in device pixels whatever the scale.
#include <QPainter>
#include <QRectF>

#include "graphs/DrawingSurface.h"

namespace saltmark {

QColor toQColor(Colour colour);

class QtDrawingSurface : public DrawingSurface {
 public:
  // target: the device rectangle that the coordinate window fills.
  QtDrawingSurface(QPainter& painter, QRectF target);

  void setCoordinateWindow(double left, double top, double right, double bottom) override;
  void clear(Colour background) override;
  void setColour(Colour colour) override;
  void setPenWidth(int width) override;
  void setLineStyle(LineStyle style) override;
  void line(double x1, double y1, double x2, double y2) override;
  void point(double x, double y) override;
  void fill(double x1, double y1, double x2, double y2) override;
  void text(double x, double y, std::string_view text) override;

  // A world position in device coordinates.
  QPointF map(double x, double y) const;

 private:
  void applyPen();

  QPainter& painter_;
  QRectF target_;
  double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
  QColor colour_ = Qt::black;
  int width_ = 1;
  Qt::PenStyle style_ = Qt::SolidLine;
};

}  // namespace saltmark
