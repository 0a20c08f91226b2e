#pragma once
// The progress window: runs one long job at a time (a graph's column fill, a
// table, a web page) behind a bar and an "Abort" button. The job runs on the
// window's thread; pending events are let through only when the bar is
// redrawn, every fourth step, which is when a click on Abort is seen. The
// cancel flag keeps its value after the job, so the caller can tell an
// aborted run from a finished one.
#include <QDialog>
#include <functional>

#include "tables/JobProgress.h"

class QLabel;
class QPushButton;
class QWidget;

namespace saltmark {

class ProgressBarWidget;

class ProgressWindow : public QDialog, public JobProgress {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  // Shows the window, clears the cancel flag and the bar, runs the job, then
  // hides the window and restores the normal pointer (also when the job throws).
  JobOutcome run(const std::function<JobOutcome(JobProgress&)>& job);

  bool cancelRequested() override { return cancelled_; }
  // The Abort button's action, also for tests.
  void requestCancel() { cancelled_ = true; }

  // The bar's last drawn right edge, in the bar's own units (0..kBarWidth).
  int barEdge() const;
  static constexpr int kBarWidth = 1000;

 protected:
  void drawBar(std::int64_t step, std::int64_t count) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ProgressBarWidget* bar_;
  QPushButton* abort_;
  bool cancelled_ = false;
  bool running_ = false;
};

}  // namespace saltmark
