#include "graphs/gui/GraphPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "graphs/GraphModel.h"

namespace saltmark {

GraphPicture::GraphPicture(const char* objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(objectName);
  setMouseTracking(true);  // the pointer changes near the cursor line before any button is pressed
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 120);
}

void GraphPicture::setPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void GraphPicture::setCursorLine(int column, bool live, const QColor& colour) {
  if (column == cursorColumn_ && live == cursorLive_ && colour == cursorColour_) return;
  cursorColumn_ = column;
  cursorLive_ = live;
  cursorColour_ = colour;
  update();
}

double GraphPicture::columnAt(double x) const { return width() > 0 ? x * kGraphColumns / width() : 0; }
double GraphPicture::xOfColumn(double column) const { return column * width() / kGraphColumns; }

void GraphPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull())
    painter.fillRect(rect(), Qt::black);
  else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rect(), picture_);
  }
  if (cursorColumn_ < 0) return;
  QPen pen(cursorColour_, 1, cursorLive_ ? Qt::DotLine : Qt::DashLine);
  pen.setCosmetic(true);
  painter.setPen(pen);
  const double x = xOfColumn(cursorColumn_);
  painter.drawLine(QPointF(x, 0), QPointF(x, height()));
}

void GraphPicture::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMovedTo(columnAt(event->position().x()), event->buttons().testFlag(Qt::LeftButton));
}

void GraphPicture::mousePressEvent(QMouseEvent* event) {
  const bool leftOrRight = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
  emit mousePressedAt(columnAt(event->position().x()), leftOrRight);
}

void GraphPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

}  // namespace saltmark
