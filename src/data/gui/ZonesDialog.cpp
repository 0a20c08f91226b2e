#include "data/gui/ZonesDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "common/RuntimeError.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"

namespace saltmark {
namespace {

QLabel* clockLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(90);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

ZonesDialog::ZonesDialog(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("Zones");
  setWindowTitle("Time Zones");
  auto* grid = new QGridLayout(this);

  grid->addWidget(new QLabel("Date", this), 0, 1, Qt::AlignCenter);
  grid->addWidget(new QLabel("Time", this), 0, 2, Qt::AlignCenter);
  grid->addWidget(new QLabel("Offset (west +)", this), 0, 3, Qt::AlignCenter);

  grid->addWidget(new QLabel("Computer clock", this), 1, 0);
  dosdate_ = clockLabel("dosdate", this);
  dostime_ = clockLabel("dostime", this);
  syszone_ = clockLabel("syszone", this);
  grid->addWidget(new QLabel("GMT", this), 2, 0);
  gmtdate_ = clockLabel("gmtdate", this);
  gmttime_ = clockLabel("gmttime", this);
  grid->addWidget(new QLabel("Local", this), 3, 0);
  locdate_ = clockLabel("locdate", this);
  loctime_ = clockLabel("loctime", this);
  loczone_ = clockLabel("loczone", this);
  grid->addWidget(dosdate_, 1, 1);
  grid->addWidget(dostime_, 1, 2);
  grid->addWidget(syszone_, 1, 3);
  grid->addWidget(gmtdate_, 2, 1);
  grid->addWidget(gmttime_, 2, 2);
  grid->addWidget(locdate_, 3, 1);
  grid->addWidget(loctime_, 3, 2);
  grid->addWidget(loczone_, 3, 3);

  struct ZoneButtonEntry {
    const char* name;
    const char* caption;
    const char* tooltip;
    int row, column;
  };
  const ZoneButtonEntry entries[] = {
      {"Command12", "-", "Computer's zone a quarter-hour earlier", 1, 4},
      {"Command10", "+", "Computer's zone a quarter-hour later", 1, 5},
      {"Command4", "-", "Both zones a quarter-hour earlier (the computer's clock was changed)", 2, 4},
      {"Command2", "+", "Both zones a quarter-hour later (the computer's clock was changed)", 2, 5},
      {"Command1", "-", "Local zone a quarter-hour earlier", 3, 4},
      {"Command3", "+", "Local zone a quarter-hour later", 3, 5},
      // The local clock is GMT minus the offset: a smaller offset puts it on.
      {"Command14", "<", "Local clock a quarter-hour on (local zone offset a quarter-hour less)", 4, 4},
      {"Command13", ">", "Local clock a quarter-hour back (local zone offset a quarter-hour more)", 4, 5},
  };
  int local = 0;
  for (const ZoneButtonEntry& entry : entries) {
    auto* button = new QPushButton(entry.caption, this);
    button->setObjectName(entry.name);
    button->setToolTip(entry.tooltip);
    button->setAutoDefault(false);
    button->setFixedWidth(32);
    connect(button, &QPushButton::clicked, this, &ZonesDialog::zoneButton_Click);
    grid->addWidget(button, entry.row, entry.column);
    const auto step = ZoneButtonStep(entry.name);
    if (step && step->system == 0) localButtons_[static_cast<std::size_t>(local++)] = button;
  }

  Check1_ = new QCheckBox("Local zone follows the selected port", this);
  Check1_->setObjectName("Check1");
  Check1_->setToolTip("Check to set the local zone from the time zone of each port you select.");
  connect(Check1_, &QCheckBox::clicked, this, &ZonesDialog::Check1_Click);
  grid->addWidget(Check1_, 5, 0, 1, 4);

  auto* exit = new QPushButton("E&xit", this);
  exit->setObjectName("Exit");
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &ZonesDialog::Exit_Click);
  grid->addWidget(exit, 5, 4, 1, 2);
}

void ZonesDialog::activate(const QColor& background) {
  QPalette p = palette();
  p.setColor(QPalette::Window, background);
  setPalette(p);
  showAutoLocalZone(state_.settings.autoLocalZone == 0 ? 0 : 1);
  show();
  raise();
  activateWindow();
}

void ZonesDialog::showClocks(const ZonesClockTexts& texts) {
  syszone_->setText(toQt(texts.syszone));
  loczone_->setText(toQt(texts.loczone));
  dostime_->setText(toQt(texts.dostime));
  gmttime_->setText(toQt(texts.gmttime));
  loctime_->setText(toQt(texts.loctime));
  dosdate_->setText(toQt(texts.dosdate));
  gmtdate_->setText(toQt(texts.gmtdate));
  locdate_->setText(toQt(texts.locdate));
}

void ZonesDialog::showAutoLocalZone(int value) {
  Check1_->setChecked(value == 1);
  for (QPushButton* button : localButtons_) button->setVisible(value != 1);
}

void ZonesDialog::zoneButton_Click() {
  const auto step = ZoneButtonStep(sender()->objectName().toStdString());
  if (!step) return;
  if (!ApplyZoneStep(state_.settings, *step)) {
    state_.platform.message(runtimeErrorText(errc::kOverflow), MessageIcon::Exclamation);
    return;
  }
  emit offsetsChanged();
}

void ZonesDialog::Check1_Click() {
  const int value = Check1_->isChecked() ? 1 : 0;
  showAutoLocalZone(value);
  emit autoLocalZoneChanged(value);
}

void ZonesDialog::Exit_Click() {
  state_.settings.autoLocalZone = static_cast<std::int16_t>(Check1_->isChecked() ? 1 : 0);
  hide();
  emit closed();
}

void ZonesDialog::closeEvent(QCloseEvent* event) {
  Exit_Click();
  event->accept();
}

}  // namespace saltmark
