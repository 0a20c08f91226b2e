#pragma once
// A graph window's picture box: shows the drawn graph and the cursor line
// over it, and reports the mouse in graph columns (0 at the left edge, 960
// at the right) so the window's cursor logic never sees pixels.
#include <QImage>
#include <QWidget>

namespace saltmark {

class GraphPicture : public QWidget {
  Q_OBJECT
 public:
  GraphPicture(const char* objectName, QWidget* parent);

  void setPicture(QImage picture);
  const QImage& picture() const { return picture_; }
  // The cursor line at a column: dotted while live, dashed once dragged;
  // a negative column hides it.
  void setCursorLine(int column, bool live, const QColor& colour);
  int cursorLineColumn() const { return cursorColumn_; }
  bool cursorLineDotted() const { return cursorLive_; }

  // The column under a horizontal position in the widget, and back.
  double columnAt(double x) const;
  double xOfColumn(double column) const;

 signals:
  void mouseMovedTo(double column, bool leftButtonHeld);
  void mousePressedAt(double column, bool leftOrRightButton);
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage picture_;
  int cursorColumn_ = -1;
  bool cursorLive_ = true;
  QColor cursorColour_ = Qt::green;
};

}  // namespace saltmark
