// The start boxes' checks run only when the user really leaves a box, and the
// Zones dialog's buttons do what their tooltips say and stop its clocks when
// it closes.
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "data/gui/ZonesDialog.h"
#include "display/StartBoxes.h"
#include "platform/gui/QtText.h"
#include "shell/gui/ProgramFolder.h"

namespace saltmark::test {
namespace {

class BoxChecksAndZonesTest : public ::testing::Test {
 protected:
  void SetUp() override { writeSampleFolder(dir.path()); }
  TempDir dir;
};

TEST_F(BoxChecksAndZonesTest, MenusLeaveAHalfTypedBoxAlone) {
  struct Case {
    const char* box;
    const char* typed;
    Qt::FocusReason reason;
    const char* left;         // the box's text afterwards
    std::string_view message;  // empty: none
  };
  const Case cases[] = {
      {"pdatebox", "12 De", Qt::PopupFocusReason, "12 De", ""},    // a context menu opens
      {"pdatebox", "12 De", Qt::MenuBarFocusReason, "12 De", ""},  // the menu bar takes the keys
      {"pdatebox", "12 De", Qt::TabFocusReason, "", kDateNotValid},
      {"ptimebox", "7:5", Qt::PopupFocusReason, "7:5", ""},
      {"ptimebox", "7:5", Qt::MouseFocusReason, "07:05", ""},
      {"ptimebox", "25:00", Qt::TabFocusReason, "25:00", kTimeNotValid},
  };
  RunningProgram program(dir.path());
  for (const Case& c : cases) {
    auto* box = program.find<QLineEdit>(c.box);
    box->setText(c.typed);
    program.platform.clear();
    QFocusEvent leave(QEvent::FocusOut, c.reason);
    QApplication::sendEvent(box, &leave);
    EXPECT_EQ(fromQt(box->text()), c.left) << c.box << " " << c.reason;
    const auto messages = program.platform.messageTexts();
    const std::vector<std::string> expected =
        c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{std::string(c.message)};
    EXPECT_EQ(messages, expected) << c.box << " " << c.reason;
  }
}

int minutesOfDay(QLabel* clock) {
  const std::string t = fromQt(clock->text());  // "hh:nn:ss"
  return std::stoi(t.substr(0, 2)) * 60 + std::stoi(t.substr(3, 2));
}

TEST_F(BoxChecksAndZonesTest, LocalClockButtonsDoWhatTheirTooltipsSay) {
  RunningProgram program(dir.path());
  program.action("zone")->trigger();
  ZonesDialog* zones = program.window->zonesDialog();
  ASSERT_NE(zones, nullptr);
  if (zones->findChild<QCheckBox*>("Check1")->isChecked()) zones->findChild<QCheckBox*>("Check1")->click();
  auto* loctime = zones->findChild<QLabel*>("loctime");
  for (const char* name : {"Command14", "Command13"}) {
    auto* button = zones->findChild<QPushButton*>(name);
    ASSERT_TRUE(button->isVisible()) << name;
    const std::string tip = fromQt(button->toolTip());
    const bool saysOn = tip.find("quarter-hour on") != std::string::npos;
    const bool saysBack = tip.find("quarter-hour back") != std::string::npos;
    ASSERT_NE(saysOn, saysBack) << tip;
    const int before = minutesOfDay(loctime);
    button->click();
    const int moved = (minutesOfDay(loctime) - before + 1440 + 720) % 1440 - 720;
    EXPECT_EQ(moved, saysOn ? 15 : -15) << name << ": " << tip;
  }
}

TEST_F(BoxChecksAndZonesTest, ClosedZonesDialogNoLongerFollowsTheClock) {
  RunningProgram program(dir.path());
  program.action("zone")->trigger();
  ZonesDialog* zones = program.window->zonesDialog();
  ASSERT_NE(zones, nullptr);
  auto* dostime = zones->findChild<QLabel*>("dostime");
  EXPECT_EQ(fromQt(dostime->text()), "12:00:00");
  zones->findChild<QPushButton*>("Exit")->click();
  program.clock = program.clock.addSeconds(3600);
  program.window->UpdateClockDisplay();
  EXPECT_EQ(fromQt(dostime->text()), "12:00:00");
  // Opened again, it follows the clock again; closed by its close box, it stops.
  program.action("zone")->trigger();
  EXPECT_EQ(fromQt(dostime->text()), "13:00:00");
  zones->close();
  program.clock = program.clock.addSeconds(60);
  program.window->UpdateClockDisplay();
  EXPECT_EQ(fromQt(dostime->text()), "13:00:00");
}

}  // namespace
}  // namespace saltmark::test
