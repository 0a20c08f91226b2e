#pragma once
// The cursor line of a graph window: a vertical line at one of the computed
// columns (0..959) that reads the time and the value off the graph.
//
// It is live (drawn dotted) while it follows the clock or the start instant,
// and dragged (drawn dashed) once the user has moved it; only a new graph run
// makes it live again. A dragged cursor stays where the user left it when the
// graph is redrawn (zoom, graticule, resize, activation), so a time chosen
// on the graph is not lost by looking at it more closely.
//
// Dragging: the mouse grabs the line within ten columns either side (the
// east-west pointer shows); moving with the left button held drags it, a
// click of either button while grabbed puts it under the mouse.
#include "common/DateTime.h"
#include "graphs/GraphModel.h"

namespace saltmark {

// The column of an instant for the cursor: TimeToGraphX clamped to
// 0..959; an instant so far off that its column leaves the 16-bit range goes
// to the nearer end instead of raising the overflow error.
int CursorColumnAt(const GraphGrid& grid, DateTime instant);

class GraphCursor {
 public:
  int column() const { return column_; }
  bool live() const { return live_; }
  // Whether the east-west sizing pointer shows over the picture.
  bool sizing() const { return sizing_; }

  // A new graph run.
  void restartLive() { live_ = true; }
  // A drawing of the graph: the live cursor goes to the start instant.
  void placeForDrawing(const GraphGrid& grid, DateTime start);
  // The clock's tick: the live cursor follows the start instant. True when
  // the cursor is live (its readout is to be refreshed).
  bool followClock(const GraphGrid& grid, DateTime start);

  // Mouse handlers, x in columns. Each returns true when the cursor moved.
  bool mouseMove(double x, bool leftButtonHeld);
  bool mousePress(double x, bool leftOrRightButton);

 private:
  int column_ = 0;
  bool live_ = true;
  bool sizing_ = false;
};

}  // namespace saltmark
