#pragma once
// How a long job (a graph's column fill, a table, a web page) talks to the
// progress window. The job asks whether the user pressed Abort before each
// step, and reports every step; the bar is redrawn, and pending window events
// are let through (which is how the Abort click is seen), only on every
// fourth step, so that a year-long table is not slowed by drawing.
#include <cstdint>

namespace saltmark {

// How a job ended. Refused: its inputs were rejected before the first step
// (the message has been shown); Failed: a computation could not go on (its
// message has been shown); Cancelled: the user pressed Abort.
enum class JobOutcome { Completed, Cancelled, Failed, Refused };

class JobProgress {
 public:
  virtual ~JobProgress() = default;

  // The Abort button's flag.
  virtual bool cancelRequested() = 0;

  // Step i of n. Draws the bar (drawBar) only when i is a multiple of 4.
  void DrawProgress(std::int64_t step, std::int64_t count) {
    if (step % 4 == 0) drawBar(step, count);
  }

 protected:
  // Draw the bar to step / count of its width and let window events run.
  virtual void drawBar(std::int64_t step, std::int64_t count) = 0;
};

// The bar's right edge for step i of n on a bar `width` units wide, rounded
// halves to even; 0 when n is not positive.
std::int32_t ProgressBarEdge(std::int32_t width, std::int64_t step, std::int64_t count);

// For runs without a window (the command line, benchmarks): never cancelled,
// draws nothing.
class SilentProgress : public JobProgress {
 public:
  bool cancelRequested() override { return false; }

 protected:
  void drawBar(std::int64_t, std::int64_t) override {}
};

}  // namespace saltmark
