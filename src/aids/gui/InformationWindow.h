#pragma once
// The information display Info ("Information"): a large-print panel for use
// on watch with the location, its position, the date, time and zone, the
// present tidal height and the present under-keel clearance. The clock's
// refresh writes the values (showPresent); an alarm-clock picture shows
// while the clearance alarm is set.
#include <string>

#include <QWidget>

#include "aids/InformationDisplay.h"

class QLabel;

namespace saltmark {

struct AppState;

class InformationWindow : public QWidget {
  Q_OBJECT
 public:
  explicit InformationWindow(AppState& state, QWidget* parent = nullptr);

  // Activation: location, position and zone from the live display's state.
  void activate();
  void showPresent(const std::string& date, const std::string& time, const PresentTide& present);
  void setAlarmClockVisible(bool visible);

 signals:
  // Alarm with "Use Clock" checked.
  void alarmRequested();
  // Leave: the window has hidden itself.
  void leaveRequested();

 protected:
  bool event(QEvent* event) override;
  // The close box leaves as Exit does, so the clock stops writing here.
  void closeEvent(QCloseEvent* event) override;

 private:
  AppState& state_;
  QLabel *Location_, *Position_, *Date_, *Time_, *DZone_, *I_Tide_, *I_UKC_, *Alarmclock_;
};

}  // namespace saltmark
