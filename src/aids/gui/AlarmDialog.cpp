#include "aids/gui/AlarmDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/VbNumbers.h"
#include "graphs/gui/GraphWindowParts.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "tables/HeightText.h"

namespace saltmark {

namespace {
constexpr int kAlarmHelpTopic = 5;
}

AlarmDialog::AlarmDialog(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("Alarmform");
  setWindowTitle("Alarm");
  alarm_txt_ = new QLineEdit(FormatHeight2(0, state.settings).c_str(), this);
  alarm_txt_->setObjectName("alarm_txt");
  set_ = new QCheckBox("Set Alarm", this);
  set_->setObjectName("set");
  QPushButton* test = namedButton("Test", "Alarm Test", this);
  QPushButton* help = namedButton("Help", "&Help", this);
  QPushButton* exit = namedButton("Exit", "E&xit", this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Minimum Under Keel Clearance", this));
  layout->addWidget(alarm_txt_);
  layout->addWidget(set_);
  layout->addLayout(buttonRow({test, help, exit}));

  connect(alarm_txt_, &QLineEdit::editingFinished, this, &AlarmDialog::readLevel);
  connect(set_, &QCheckBox::clicked, this, &AlarmDialog::set_Click);
  connect(test, &QPushButton::clicked, this, [this] { state_.platform.beep(); });
  connect(help, &QPushButton::clicked, this, [this] { state_.platform.showHelpTopic(kAlarmHelpTopic); });
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

// Exit and the close box alike.
void AlarmDialog::closeEvent(QCloseEvent* event) {
  readLevel();
  QDialog::closeEvent(event);
  emit exitRequested();
}

void AlarmDialog::activate() {
  ApplyWindowScheme(*this, state_.settings);
  show();
  raise();
  activateWindow();
  alarm_txt_->selectAll();
  alarm_txt_->setFocus();
}

std::optional<float> AlarmDialog::alarmLevel() {
  if (!set_->isChecked()) return std::nullopt;
  readLevel();
  return level_;
}

void AlarmDialog::readLevel() {
  // The message box of a bad level takes the focus and would finish the edit again.
  std::string text = fromQt(alarm_txt_->text());
  if (reading_ || text == readText_) return;
  reading_ = true;
  readText_ = text;
  level_ = Single(ParseHeight(text, state_.settings, state_.platform));
  reading_ = false;
}

void AlarmDialog::set_Click() {
  if (set_->isChecked()) readLevel();
  emit alarmSetChanged(set_->isChecked());
}

}  // namespace saltmark
