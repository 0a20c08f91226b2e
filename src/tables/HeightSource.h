#pragma once
// The tide height at an instant, as the table, graph and web page runs ask
// for it: the instant is already in the port's own time base (moved there
// with ShiftToDisplayZone), and the answer is tideHeight in the current
// height unit. The engine supplies the real source (EngineHeightSource);
// tests give made-up curves.
#include "common/DateTime.h"

namespace saltmark {

class TideHeightSource {
 public:
  virtual ~TideHeightSource() = default;
  virtual float heightAt(DateTime portInstant) = 0;
};

}  // namespace saltmark
