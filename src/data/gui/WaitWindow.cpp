#include "data/gui/WaitWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "common/Version.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "shell/Startup.h"

namespace saltmark {

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  window.move(area.left() + (area.width() - window.width()) / 2, area.top() + (area.height() - window.height()) / 2);
}

WaitWindow::WaitWindow(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("Wait");
  setWindowTitle(toQt(kAppTitle));
  auto* layout = new QVBoxLayout(this);
  Label1_ = new QLabel(this);
  Label1_->setObjectName("Label1");
  Label1_->setAlignment(Qt::AlignCenter);
  Label1_->setText(toQt(kVersionString) + "\n\nTidal predictions for mariners\n\nLoading settings and locations...");
  layout->addWidget(Label1_);
  OK_ = new QPushButton("OK", this);
  OK_->setObjectName("OK");
  OK_->setDefault(true);
  OK_->hide();
  connect(OK_, &QPushButton::clicked, this, &WaitWindow::OK_Click);
  layout->addWidget(OK_, 0, Qt::AlignCenter);
  resize(320, 180);
  CentreOnScreen(*this);
}

void WaitWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // After the window has painted, so the user sees it while the files load.
  if (!loaded_) QTimer::singleShot(0, this, &WaitWindow::loadStartupData);
}

void WaitWindow::loadStartupData() {
  if (loaded_) return;
  loaded_ = true;
  Label1_->setText(toQt(kVersionString));
  const bool indexRead = LoadStartupData(state_);
  QString text = toQt(kVersionString) + "\n\nTidal predictions for mariners";
  if (!indexRead) text += "\n\nNo location index: the finder will be empty.";
  Label1_->setText(text);
  OK_->show();
  OK_->setFocus();
}

void WaitWindow::OK_Click() {
  started_ = true;
  hide();
  emit startRequested();
}

void WaitWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  abandon();
}

void WaitWindow::reject() {
  QDialog::reject();
  abandon();
}

void WaitWindow::abandon() {
  if (started_ || abandoned_) return;
  abandoned_ = true;
  emit abandoned();
}

}  // namespace saltmark
