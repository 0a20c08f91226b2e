#pragma once
// The Zones dialog: the computer's clock, GMT and the local clock side by
// side with the two zone offsets, buttons that move the offsets a
// quarter-hour at a time, and the automatic local zone (Check1), which makes
// the local zone follow the selected port's zone.
#include <array>

#include <QDialog>

#include "display/ClockDisplay.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace saltmark {

struct AppState;

class ZonesDialog : public QDialog {
  Q_OBJECT
 public:
  ZonesDialog(AppState& state, QWidget* parent = nullptr);

  // Opened from the main window: its background, Check1 from the settings.
  void activate(const QColor& background);
  // The clocks, written by the main window's refresh while the dialog is open.
  void showClocks(const ZonesClockTexts& texts);
  // Check1 and the local-zone buttons, which are hidden while it is checked.
  void showAutoLocalZone(int value);

 signals:
  void offsetsChanged();
  void autoLocalZoneChanged(int value);
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void zoneButton_Click();
  void Check1_Click();
  void Exit_Click();

 private:
  AppState& state_;
  QCheckBox* Check1_;
  std::array<QPushButton*, 4> localButtons_{};
  QLabel *syszone_, *loczone_, *dostime_, *gmttime_, *loctime_, *dosdate_, *gmtdate_, *locdate_;
};

}  // namespace saltmark
