#include "tables/gui/ProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltmark {

// A plain box filled from the left up to the last drawn edge.
class ProgressBarWidget : public QWidget {
 public:
  explicit ProgressBarWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("Bar");
    setMinimumSize(240, 18);
  }
  int edge() const { return edge_; }
  void setEdge(int edge) {
    edge_ = edge;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int filled = width() * edge_ / ProgressWindow::kBarWidth;
    painter.fillRect(QRect(0, 0, filled, height()), palette().highlight());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  int edge_ = 0;
};

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("Progress");
  setWindowTitle("Saltmark: Progress");
  setModal(true);
  bar_ = new ProgressBarWidget(this);
  auto* full = new QLabel("100%", this);
  abort_ = new QPushButton("Abort", this);
  abort_->setObjectName("Command1");
  connect(abort_, &QPushButton::clicked, this, [this] { requestCancel(); });

  auto* barRow = new QHBoxLayout;
  barRow->addWidget(bar_, 1);
  barRow->addWidget(full);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(barRow);
  layout->addWidget(abort_, 0, Qt::AlignHCenter);
}

JobOutcome ProgressWindow::run(const std::function<JobOutcome(JobProgress&)>& job) {
  cancelled_ = false;
  bar_->setEdge(0);
  show();
  raise();
  QApplication::processEvents();
  running_ = true;
  struct Finish {
    ProgressWindow& window;
    ~Finish() {
      window.running_ = false;
      window.bar_->setEdge(0);
      window.hide();
      while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }
  } finish{*this};
  return job(*this);
}

int ProgressWindow::barEdge() const { return bar_->edge(); }

void ProgressWindow::drawBar(std::int64_t step, std::int64_t count) {
  bar_->setEdge(ProgressBarEdge(kBarWidth, step, count));
  bar_->repaint();
  QApplication::processEvents();
}

// Closing the window while a job runs counts as Abort; the job hides it.
void ProgressWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    requestCancel();
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (running_) requestCancel();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace saltmark
