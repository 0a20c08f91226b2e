#pragma once
// The alarm settings dialog Alarmform ("Alarm"): the minimum under-keel
// clearance and the check box that sets the alarm.
//
// The level is read again whenever its text has changed since it was last
// read (when the box is left, the alarm is set, or the clock asks), so a
// mistyped level is reported once, not on every tick of the clock.
#include <optional>
#include <string>

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace saltmark {

struct AppState;

class AlarmDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AlarmDialog(AppState& state, QWidget* parent = nullptr);

  // Activation: the scheme's background, the level selected for typing.
  void activate();
  // The level while the alarm is set, nothing otherwise.
  std::optional<float> alarmLevel();

 signals:
  void alarmSetChanged(bool set);
  // Exit: the dialog has hidden itself.
  void exitRequested();

 private:
  void closeEvent(QCloseEvent* event) override;
  void readLevel();
  void set_Click();

  AppState& state_;
  QLineEdit* alarm_txt_;
  QCheckBox* set_;
  float level_ = 0;
  std::string readText_;  // the text level_ was read from
  bool reading_ = false;
};

}  // namespace saltmark
