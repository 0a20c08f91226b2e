// The once-a-second refresh, the time base, the start date and time boxes and
// the Zones dialog's effect on the main window.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTime>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTimer>

#include "common/RuntimeError.h"
#include "display/ClockDisplay.h"
#include "display/StartBoxes.h"
#include "display/StartInstant.h"
#include "locations/Positions.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/SaveDirectoryChooser.h"
#include "shell/gui/WindowSet.h"
#include "data/gui/ZonesDialog.h"
#include "tables/TimeText.h"

namespace saltmark {

namespace {

// A menu, a context menu or the menu bar taking the keyboard for a moment is
// no change of box: the half-typed text stays and is checked when the user
// really leaves the box.
bool IsRealFocusChange(const QFocusEvent& event) {
  return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::MenuBarFocusReason;
}

}  // namespace

DateTime MainWindow::systemClock() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return DateTime::fromCivil(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

void MainWindow::Clock_Tick() { UpdateClockDisplay(); }

void MainWindow::UpdateClockDisplay() {
  ClockInstants instants;
  try {
    instants = ClockInstantsAt(clock_(), state_.settings);
  } catch (const RuntimeError& error) {
    // Said once: the same offsets would repeat it every second.
    if (!overflowShown_) state_.platform.message(error.what(), MessageIcon::Exclamation);
    overflowShown_ = true;
    return;
  }
  overflowShown_ = false;

  if (zonesOpen_ && zones_) zones_->showClocks(ZonesTexts(instants, state_.settings));

  DZone_->setText(toQt(ZoneLabelText(state_.settings)));

  if (Usenow_->isChecked()) {
    const DateTime shown = InstantInTimeBase(instants, static_cast<std::int16_t>(gmtcheck_->checkedId()));
    ptimebox_->setText(toQt(FormatTimeHMS(shown)));
    pdatebox_->setText(toQt(FormatDate(shown)));
  }

  // The live graph cursors and the information display follow the boxes.
  ReadStartInstant();
  windows().onClockTick();
}

bool MainWindow::ReadStartInstant() {
  const auto instant = saltmark::ReadStartInstant(fromQt(pdatebox_->text()), fromQt(ptimebox_->text()));
  if (!instant) return false;
  state_.startInstant = *instant;
  return true;
}

void MainWindow::Usenow_Click() {
  const bool useClock = Usenow_->isChecked();
  pdatebox_->setEnabled(!useClock);
  ptimebox_->setEnabled(!useClock);
  if (!useClock) {
    pdatebox_->clear();
    ptimebox_->setText("00:00");
  }
  UpdateClockDisplay();
  state_.settings.useClock = useClock ? 1 : 0;
}

void MainWindow::gmtcheck_Click(int index) {
  if (index < 0 || index > 2) index = 0;  // a damaged configuration: GMT
  gmtcheck_->button(index)->setChecked(true);
  state_.settings.timeBase = static_cast<std::int16_t>(index);
  applyZoneLabelColours();
  DZone_->setText(toQt(ZoneLabelText(state_.settings)));
}

// Each time base has its own colours, so a glance tells which clock the boxes follow.
void MainWindow::applyZoneLabelColours() {
  static const QColor kBackgrounds[] = {QColor(0, 0, 128), QColor(255, 255, 160), QColor(192, 255, 192)};
  static const QColor kTexts[] = {Qt::white, Qt::black, Qt::black};
  const int base = std::clamp(int{state_.settings.timeBase}, 0, 2);
  QPalette p = DZone_->palette();
  const bool colour = isTrue(state_.settings.colourDisplay);
  p.setColor(QPalette::Window, colour ? kBackgrounds[base] : QColor(Qt::white));
  p.setColor(QPalette::WindowText, colour ? kTexts[base] : QColor(Qt::black));
  DZone_->setPalette(p);
}

void MainWindow::pdatebox_LostFocus() {
  const BoxCheck check = CheckDateBox(fromQt(pdatebox_->text()));
  pdatebox_->setText(toQt(check.text));
  if (!check.valid) state_.platform.message(kDateNotValid);
}

void MainWindow::ptimebox_LostFocus() {
  const BoxCheck check = CheckTimeBox(fromQt(ptimebox_->text()));
  ptimebox_->setText(toQt(check.text));
  if (!check.valid) {
    state_.platform.message(kTimeNotValid);
    ptimebox_->setFocus();
    ptimebox_->selectAll();
  }
}

void MainWindow::commitFocusedBox() {
  QWidget* focused = focusWidget();
  if (!focused || inBoxCheck_) return;
  inBoxCheck_ = true;
  checkBoxLeft(focused);
  inBoxCheck_ = false;
}

void MainWindow::checkBoxLeft(QObject* box) {
  if (box == pdatebox_) pdatebox_LostFocus();
  if (box == ptimebox_) ptimebox_LostFocus();
  if (box == Finddist_) Finddist_LostFocus();
  if (box == Findlat_ || box == Slat_) positionBox_LostFocus(static_cast<QLineEdit*>(box), kLatitude);
  if (box == Findlon_ || box == Slon_) positionBox_LostFocus(static_cast<QLineEdit*>(box), kLongitude);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !inBoxCheck_ && IsRealFocusChange(*static_cast<QFocusEvent*>(event))) {
    // A message box of the check takes the focus too; check once.
    inBoxCheck_ = true;
    checkBoxLeft(watched);
    inBoxCheck_ = false;
  } else if (event->type() == QEvent::FocusIn && (watched == pdatebox_ || watched == ptimebox_)) {
    // Select the whole text once the click that brought the focus is done.
    auto* box = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, box, [box] { box->selectAll(); });
  } else if (event->type() == QEvent::MouseButtonDblClick && watched == savedir_) {
    if (!saveDirForm_) saveDirForm_ = std::make_unique<SaveDirectoryChooser>(this, &state_.platform);
    if (const auto chosen = saveDirForm_->choose(pathFromQt(savedir_->text()))) savedir_->setText(pathToQt(*chosen));
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SetAutoLocalZone(int value) {
  if (zones_) zones_->showAutoLocalZone(value);
  if (value != 1) return;
  try {
    state_.settings.localZoneOffset = PortZoneQuarters(state_.location.portZone);
  } catch (const RuntimeError& error) {
    state_.platform.message(error.what(), MessageIcon::Exclamation);
    return;
  }
  UpdateClockDisplay();
}

}  // namespace saltmark
