#include "graphs/GraphCursor.h"

#include "common/RuntimeError.h"

namespace saltmark {

int CursorColumnAt(const GraphGrid& grid, DateTime instant) {
  try {
    return ClampCursorColumn(TimeToGraphX(grid, instant));
  } catch (const RuntimeError&) {
    // Beyond a 16-bit column: weeks away from a short plot.
    return secondsBetween(grid.origin, instant) < 0 ? 0 : kLastCursorColumn;
  }
}

void GraphCursor::placeForDrawing(const GraphGrid& grid, DateTime start) {
  if (live_) column_ = CursorColumnAt(grid, start);
}

bool GraphCursor::followClock(const GraphGrid& grid, DateTime start) {
  if (!live_) return false;
  column_ = CursorColumnAt(grid, start);
  return true;
}

bool GraphCursor::mouseMove(double x, bool leftButtonHeld) {
  if (IsNearCursor(column_, x))
    sizing_ = true;
  else if (sizing_ && !leftButtonHeld)
    sizing_ = false;
  if (!sizing_ || !leftButtonHeld) return false;
  live_ = false;
  column_ = ClampCursorColumn(x);
  return true;
}

bool GraphCursor::mousePress(double x, bool leftOrRightButton) {
  if (!sizing_ || !leftOrRightButton) return false;
  column_ = ClampCursorColumn(x);
  return true;
}

}  // namespace saltmark
