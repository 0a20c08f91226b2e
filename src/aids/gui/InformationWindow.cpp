#include "aids/gui/InformationWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "display/ClockDisplay.h"
#include "graphs/gui/GraphWindowParts.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"

namespace saltmark {

namespace {

constexpr int kInformationHelpTopic = 7;

// An alarm clock: a round face with two hands and a bell either side.
QPixmap alarmClockPicture() {
  QPixmap picture(48, 48);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(QColor(230, 40, 40));
  painter.drawEllipse(QRectF(4, 3, 14, 14));
  painter.drawEllipse(QRectF(30, 3, 14, 14));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(7, 9, 34, 34));
  painter.drawLine(QPointF(24, 26), QPointF(24, 15));
  painter.drawLine(QPointF(24, 26), QPointF(32, 30));
  painter.drawLine(QPointF(13, 41), QPointF(9, 46));
  painter.drawLine(QPointF(35, 41), QPointF(39, 46));
  return picture;
}

QLabel* largeValue(const char* name, QWidget* parent, int points) {
  QLabel* label = namedLabel(name, parent);
  QFont font = label->font();
  font.setPointSize(points);
  font.setBold(true);
  label->setFont(font);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  const int baseWidth = points >= 30 ? 220 : 380;
  label->setProperty("baseWidth", baseWidth);
  label->setMinimumWidth(baseWidth);
  return label;
}

// A value label is at least its base width and always as wide as its text.
void fitToText(QLabel* label, const QString& text) {
  label->setText(text);
  label->setMinimumWidth(std::max(label->property("baseWidth").toInt(), label->sizeHint().width()));
}

}  // namespace

InformationWindow::InformationWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("Info");
  setWindowTitle("Information");
  setWindowFlag(Qt::Window);

  Location_ = largeValue("Location", this, 18);
  Position_ = largeValue("Position", this, 18);
  Date_ = largeValue("Date", this, 22);
  Time_ = largeValue("Time", this, 22);
  DZone_ = largeValue("DZone", this, 22);
  I_Tide_ = largeValue("I_Tide", this, 36);
  I_UKC_ = largeValue("I_UKC", this, 36);
  Alarmclock_ = namedLabel("Alarmclock", this);
  Alarmclock_->setPixmap(alarmClockPicture());
  Alarmclock_->setVisible(false);

  auto* grid = new QGridLayout;
  const std::pair<const char*, QLabel*> rows[] = {{"Location", Location_}, {"Position", Position_},
                                                  {"Date", Date_},         {"Time", Time_},
                                                  {"Zone", DZone_},        {"Tide Height", I_Tide_},
                                                  {"Under Keel Clearance", I_UKC_}};
  int row = 0;
  for (const auto& [caption, value] : rows) {
    auto* label = new QLabel(caption, this);
    QFont font = label->font();
    font.setPointSize(14);
    label->setFont(font);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row++, 1);
  }
  grid->addWidget(Alarmclock_, row - 1, 2);

  QPushButton* alarm = namedButton("Alarm", "&Alarm", this);
  QPushButton* help = namedButton("Help", "&Help", this);
  QPushButton* leave = namedButton("Leave", "E&xit", this);
  connect(alarm, &QPushButton::clicked, this, [this] {
    if (state_.settings.useClock != 0)
      emit alarmRequested();
    else
      state_.platform.message(kAlarmNeedsClock);
  });
  connect(help, &QPushButton::clicked, this, [this] { state_.platform.showHelpTopic(kInformationHelpTopic); });
  connect(leave, &QPushButton::clicked, this, &QWidget::close);

  auto* layout = new QVBoxLayout(this);
  // The window grows with its texts: a long location name is shown whole.
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  layout->addLayout(grid);
  layout->addLayout(buttonRow({alarm, help, leave}));
}

void InformationWindow::activate() {
  ApplyWindowScheme(*this, state_.settings);
  const int record = state_.selectedDifferenceRecord;
  const auto& secondaries = state_.differenceTable.records;
  const bool atSecondary =
      state_.settings.portMode == 2 && record >= 0 && record < static_cast<int>(secondaries.size());
  const InformationPlace place =
      InformationPlaceFor(state_.location, atSecondary ? &secondaries[static_cast<std::size_t>(record)] : nullptr);
  fitToText(Location_, toQt(place.location));
  fitToText(Position_, toQt(place.position));
  DZone_->setText(toQt(ZoneLabelText(state_.settings)));
}

void InformationWindow::showPresent(const std::string& date, const std::string& time, const PresentTide& present) {
  Date_->setText(toQt(date));
  Time_->setText(toQt(time));
  I_Tide_->setText(toQt(present.I_Tide));
  I_UKC_->setText(toQt(present.I_UKC));
}

void InformationWindow::setAlarmClockVisible(bool visible) { Alarmclock_->setVisible(visible); }

void InformationWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit leaveRequested();
}

bool InformationWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) activate();
  return QWidget::event(event);
}

}  // namespace saltmark
